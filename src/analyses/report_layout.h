#pragma once

#include "analyses/report_lines.h"
#include "history/two_digits.h"

#include <QChar>
#include <QLatin1String>
#include <QString>
#include <QStringView>

namespace tombolix {

// The layouts other reports are read back by (the AI summary, the similar-draw
// search). Writers and readers share these positions; indices are 0-based.

// Draw lines: the date in characters 1-10, three spaces, then the number of
// position p in characters 11 + 3p and 12 + 3p and its mark in 13 + 3p.
inline constexpr QLatin1String kDrawLineGap("   ");
constexpr int DrawLineNumberIndex(int p) { return DrawLineMarkIndex(p) - 2; }

// Position labels: a line that is exactly "B" and the position's digit.
inline constexpr int kLabelWidth = 2;
QString PositionLabel(int p);
// The position 1..7 of a label "Bp"; 0 for any other text.
int LabelPosition(QStringView text);

// Value lines: the value in characters 1-2, its mark in 3, " -->  ", then a
// number (the count or cycle) from character 10; once a line carries its
// position label in front, every index moves on by kLabelWidth.
inline constexpr int kValueLineMarkIndex = 2;
inline constexpr int kValueLineNumberIndex = kValueLineMarkIndex + 1 + static_cast<int>(kArrow.size());

// The number a text starts with (leading spaces skipped, then decimal digits),
// 0 when it starts with none: how a count or cycle is read back from a report.
int LeadingNumber(QStringView text);

}  // namespace tombolix
