#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tombolix {

// The column of one position of a draw-line report read as marks, newest first:
// "1" for each visited line whose mark of position p (the label "Bp") is "+",
// "0" for any other line, the empty closing line included.
QString MarkColumn(const QStringList& lines, QStringView label);

// Votes on a column S (newest first): R is the present run of equal marks plus
// the mark that ended it (empty when S never changes); every older place where
// R occurred votes with the mark that followed it in time. With an empty R the
// votes fall to the marks of S[1..] from the second-to-last back to the first.
// True when "1" wins; a tie predicts the opposite of the newest mark, and false
// when R is empty. Always ends: every vote cuts the searched text.
bool PredictColumn(QStringView column);

// Whether the next draw's number at the position of `label` will carry "+",
// predicted from the visited lines of a draw-line report (newest first).
bool PrediccionClase(const QStringList& lines, QStringView label);

}  // namespace tombolix
