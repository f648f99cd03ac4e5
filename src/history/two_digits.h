#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tombolix {

// Numbers as history files and reports write them: two digits with a leading
// zero ("07"). A value outside 0..99 is written in full, never cut short.
void AppendTwoDigits(QString& out, int value);
void AppendTwoDigits(QByteArray& out, int value);
QString TwoDigits(int value);

// The value of the two decimal digits at `index` of `text`, as the writers
// above put them; -1 when they are not two digits (or the text is too short).
int TwoDigitValueAt(QStringView text, qsizetype index);

}  // namespace tombolix
