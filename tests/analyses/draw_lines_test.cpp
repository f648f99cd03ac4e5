#include "analyses/consecutive_numbers.h"
#include "analyses/repeated_numbers.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Lines;
using test::MakeHistory;

// The numbers and marks of the first report line (after date and spaces).
QString Marks(const ReportText& report, int line = 0) { return Lines(report)[line].mid(13); }

QString Consecutive(int positions, const std::vector<int>& draw) {
  const History h = MakeHistory(positions, {draw});
  ReportText report;
  ConsecutiveNumbers(HistoryView(h), report, NoHooks());
  return Marks(report);
}

TEST(ConsecutiveNumbersTest, OnlyNeighbouringPositionsCount) {
  EXPECT_EQ(Consecutive(3, {5, 6, 7}), QStringLiteral("05+06+07+"));
  EXPECT_EQ(Consecutive(2, {7, 6}), QStringLiteral("07+06+"));
  EXPECT_EQ(Consecutive(3, {5, 7, 6}), QStringLiteral("05&07+06+"));
  EXPECT_EQ(Consecutive(4, {6, 9, 20, 5}), QStringLiteral("06&09&20&05&"));  // 6 and 5 are not neighbours
  EXPECT_EQ(Consecutive(2, {0, 1}), QStringLiteral("00+01+"));
  EXPECT_EQ(Consecutive(2, {3, 3}), QStringLiteral("03&03&"));
}

QString Repeated(int positions, const std::vector<std::vector<int>>& draws, int line) {
  const History h = MakeHistory(positions, draws);
  ReportText report;
  RepeatedNumbers(HistoryView(h), report, NoHooks());
  return Marks(report, line);
}

TEST(RepeatedNumbersTest, RepeatsFromThePreviousAndTheNextDrawAtAnyPosition) {
  const std::vector<std::vector<int>> draws{{12, 30, 40}, {1, 2, 12}, {3, 2, 50}};
  // Newest (line 0): only the previous draw counts: 2 repeats.
  EXPECT_EQ(Repeated(3, draws, 0), QStringLiteral("03&02+50&"));
  // Middle: 2 repeats from the next draw, 12 from the previous one at another position.
  EXPECT_EQ(Repeated(3, draws, 1), QStringLiteral("01&02+12+"));
  // Oldest: no previous draw; 12 comes back in the next one.
  EXPECT_EQ(Repeated(3, draws, 2), QStringLiteral("12+30&40&"));
}

TEST(RepeatedNumbersTest, EqualNeighboursOverrideRepeats) {
  const std::vector<std::vector<int>> draws{{7, 1, 9, 9}, {7, 7, 3, 9}};
  // 7 repeats and equals its neighbour: "-"; 9 repeats from the previous draw: "+".
  EXPECT_EQ(Repeated(4, draws, 0), QStringLiteral("07-07-03&09+"));
  EXPECT_EQ(Repeated(4, draws, 1), QStringLiteral("07+01&09-09-"));
}

TEST(DrawLinesTest, SpareColumnsAreNeverRead) {
  // The older draw came from a longer line and keeps 8 in its spare fourth
  // column: not a neighbour of 7 nor a repeat of the newer 8; the newer draw's
  // filler 100 must not match either.
  History h = MakeHistory(3, {{1, 2, 7}, {8, 6, 9}});
  h.Pos[3][0] = 8;
  ReportText repeated;
  RepeatedNumbers(HistoryView(h), repeated, NoHooks());
  EXPECT_EQ(Marks(repeated, 0), QStringLiteral("08&06&09&"));
  EXPECT_EQ(Marks(repeated, 1), QStringLiteral("01&02&07&"));
  ReportText consecutive;
  ConsecutiveNumbers(HistoryView(h), consecutive, NoHooks());
  EXPECT_EQ(Marks(consecutive, 1), QStringLiteral("01+02+07&"));
}

}  // namespace
}  // namespace tombolix
