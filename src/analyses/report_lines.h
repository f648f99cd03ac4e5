#pragma once

#include "history/history.h"
#include "history/two_digits.h"
#include "reports/report_text.h"

#include <QChar>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <vector>

namespace tombolix {

// Pieces of text shared by the reports: line breaks, value lines and draw lines.
inline constexpr QLatin1String kCrLf("\r\n");
inline constexpr QLatin1String kArrow(" -->  ");

// The analyses that look at "the last 100 draws" use this many, whatever the analysis window.
inline constexpr int kRecentDraws = 100;

// Class of the candidate at rank r (1-based) of a ranking of n: with t = n / 3,
// "%" for ranks 1..t, "$" for t + 1..2t and "#" for the rest.
QChar RankClass(int r, int n);

// Appends a value line: the value as two digits, its mark, " -->  " and a number ("07% -->  14").
void AppendValueLine(QString& out, int value, QChar mark, int number);

// One value line as data: what the report prints and a chart draws.
struct ValueLine {
  int value = 0;
  QChar mark;
  int number = 0;
};

// Appends a position's block: "B<k>", its value lines, and an empty line.
void AppendValueBlock(ReportText& report, int k, const std::vector<ValueLine>& lines);

// Draw lines: the 10-character date, three spaces, then per position the number
// as two digits and its mark; the mark of position k is character 13 + 3k (1-based).
inline constexpr int kDrawLineDateWidth = 10;
constexpr int DrawLineMarkIndex(int k) { return 12 + 3 * k; }  // 0-based index of that mark
void AppendDrawLineStart(QString& out, const QString& date);

// The whole draw line of draw d, each number followed by markOf(k); a null mark
// leaves the position out.
template <typename MarkOf>
QString DrawLine(const HistoryView& view, int d, MarkOf markOf) {
  QString line;
  line.reserve(kDrawLineDateWidth + 3 + 3 * view.PositionCount);
  AppendDrawLineStart(line, view.Date(d));
  for (int k = 1; k <= view.PositionCount; ++k) {
    const QChar mark = markOf(k);
    if (mark.isNull()) continue;
    AppendTwoDigits(line, view.P(k, d));
    line.append(mark);
  }
  return line;
}

// num / den rounded to the nearest integer, halves to the even one (num >= 0, den > 0).
int RoundHalfEven(int num, int den);

// Map rows kept for a map M2: the row goes into the last element, and the list
// grows by one empty element while it holds fewer than `cap` elements.
void StoreMapRow(QStringList& rows, const QString& row, int cap);

}  // namespace tombolix
