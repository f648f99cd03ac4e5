#include "analyses/consecutive_numbers.h"
#include "analyses/repeated_numbers.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using testing::CountingHooks;
using testing::DrawDateText;
using testing::Lines;
using testing::MakeHistory;

// The numbers and marks of the first report line (after date and spaces).
QString Marks(const ReportText& report, int line = 0) { return Lines(report)[line].mid(13); }

QString Consecutive(int positions, const std::vector<int>& draw) {
  const History h = MakeHistory(positions, {draw});
  ReportText report{QString()};
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

TEST(ConsecutiveNumbersTest, SpareColumnsAreNotNeighbours) {
  // A later, longer line keeps an extra number in the column after the last position.
  History h = MakeHistory(2, {{10, 20}});
  h.Pos[2][0] = 21;
  ReportText report{QString()};
  ConsecutiveNumbers(HistoryView(h), report, NoHooks());
  EXPECT_EQ(report.Text(), DrawDateText(1) + QStringLiteral("   10&20&\r\n\r\n"));
}

TEST(ConsecutiveNumbersTest, ListsTheLastHundredDrawsNewestFirst) {
  const History h = testing::PatternHistory(6, 150, 45);
  ReportText report{QString()};
  CountingHooks hooks;
  ConsecutiveNumbers(HistoryView(h), report, hooks);
  const QStringList lines = Lines(report);
  ASSERT_EQ(lines.size(), 102);
  EXPECT_TRUE(lines.first().startsWith(DrawDateText(150)));
  EXPECT_TRUE(lines[99].startsWith(DrawDateText(51)));
  EXPECT_EQ(hooks.steps, 100);
}

QString Repeated(int positions, const std::vector<std::vector<int>>& draws, int line) {
  const History h = MakeHistory(positions, draws);
  ReportText report{QString()};
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

TEST(RepeatedNumbersTest, SpareColumnsAreNeverCompared) {
  // The older draw came from a longer line and keeps 5 in its spare fourth
  // column; the newer draw's filler 100 must not match either.
  History h = MakeHistory(3, {{1, 2, 3}, {5, 6, 7}});
  h.Pos[3][0] = 5;
  ReportText report{QString()};
  RepeatedNumbers(HistoryView(h), report, NoHooks());
  EXPECT_EQ(Marks(report, 0), QStringLiteral("05&06&07&"));
  EXPECT_EQ(Marks(report, 1), QStringLiteral("01&02&03&"));
}

TEST(RepeatedNumbersTest, ASingleDrawHasNothingToRepeat) {
  EXPECT_EQ(Repeated(2, {{4, 4}}, 0), QStringLiteral("04-04-"));
  EXPECT_EQ(Repeated(2, {{4, 5}}, 0), QStringLiteral("04&05&"));
}

}  // namespace
}  // namespace tombolix
