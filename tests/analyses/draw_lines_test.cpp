#include "analyses/consecutive_numbers.h"
#include "analyses/repeated_numbers.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The numbers and marks of each report line (after date and spaces), joined by "|".
template <typename Analysis>
QString Marks(Analysis analysis, const History& h) {
  ReportText report;
  analysis(HistoryView(h), report, NoHooks());
  QStringList marks = test::Lines(report).mid(0, h.DrawCount);
  for (QString& line : marks) line = line.mid(13);
  return marks.join(u'|');
}

TEST(DrawLinesTest, SpareColumnsAreNeverRead) {
  // The older draw came from a longer line and keeps 8 in its spare fourth
  // column: not a neighbour of 7 nor a repeat of the newer 8; the newer draw's
  // filler 100 must not match either.
  History h = test::MakeHistory(3, {{1, 2, 7}, {8, 6, 9}});
  h.Pos[3][0] = 8;
  EXPECT_EQ(Marks(&RepeatedNumbers, h), QStringLiteral("08&06&09&|01&02&07&"));
  EXPECT_EQ(Marks(&ConsecutiveNumbers, h), QStringLiteral("08&06&09&|01+02+07&"));
}

}  // namespace
}  // namespace tombolix
