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

TEST(DrawLinesTest, ConsecutiveOnlyAtNeighbouringPositions) {
  const struct {
    int positions;
    std::vector<int> draw;
    const char* marks;
  } cases[] = {
      {3, {5, 6, 7}, "05+06+07+"}, {2, {7, 6}, "07+06+"},
      {3, {5, 7, 6}, "05&07+06+"}, {4, {6, 9, 20, 5}, "06&09&20&05&"},  // 6 and 5 are not neighbours
      {2, {0, 1}, "00+01+"},       {2, {3, 3}, "03&03&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Marks(&ConsecutiveNumbers, test::MakeHistory(c.positions, {c.draw})), QLatin1String(c.marks));
  }
}

TEST(DrawLinesTest, RepeatsFromThePreviousAndTheNextDrawAtAnyPosition) {
  // Newest: only the previous draw counts. Middle: 2 from the next draw, 12 from the previous one at
  // another position. Oldest: no previous draw; 12 comes back in the next one.
  EXPECT_EQ(Marks(&RepeatedNumbers, test::MakeHistory(3, {{12, 30, 40}, {1, 2, 12}, {3, 2, 50}})),
            QStringLiteral("03&02+50&|01&02+12+|12+30&40&"));
  // 7 repeats and equals its neighbour: "-"; 9 repeats from the previous draw: "+".
  EXPECT_EQ(Marks(&RepeatedNumbers, test::MakeHistory(4, {{7, 1, 9, 9}, {7, 7, 3, 9}})),
            QStringLiteral("07-07-03&09+|07+01&09-09-"));
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
