#include "analyses/winning_history.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Lists;

QString Marks(const ReportText& report) {
  QStringList lines = test::Lines(report);
  for (QString& line : lines) line = line.mid(13);
  return lines.join(u'|');
}

TEST(WinningHistoryTest, ReplayFormOnlyWhenAListOfTheLotteryLostNumbers) {
  const SelectorLists lists = Lists({{1, 2, 3}, {4, 5}, {6}});
  const struct {
    std::array<quint8, kMaxPositions + 1> full;
    int positions;
    bool replay;
  } cases[] = {
      {{0, 3, 2, 1, 0, 0, 0, 0}, 3, false},  // every list whole
      {{0, 3, 3, 1, 0, 0, 0, 0}, 3, true},   // position 2 lost a number
      {{0, 3, 2, 9, 0, 0, 0, 0}, 2, false},  // a stale selector beyond the lottery does not count
      {{0, 3, 2, 1, 9, 9, 9, 9}, 3, false},
  };
  for (const auto& c : cases) EXPECT_EQ(WinningHistoryNeedsReplay(lists, c.full, c.positions), c.replay);
}

// Plain form: the current lists against the last draws of the window; the
// extra number of a longer later line (its third column) never shows.
TEST(WinningHistoryTest, PlainFormMarksCandidatesOfTheCurrentLists) {
  const History h = test::MakeHistory(2, {{9, 9}, {1, 5}, {2, 6, 7}, {3, 5}});
  ReportText report;
  test::CountingHooks hooks;
  EXPECT_EQ(WinningHistory(HistoryView(h), Lists({{1, 2}, {5, 7}}), 3, report, hooks), AnalysisOutcome::Done);
  EXPECT_EQ(Marks(report), QStringLiteral("03&05+|02+06&|01+05+||"));
  EXPECT_EQ(hooks.steps, 3);
  EXPECT_TRUE(hooks.progress.empty());
}

// Replay form: before each draw the lists are those of the draws known then,
// so a number is a hit when it came out at its position before.
TEST(WinningHistoryTest, ReplayFormMarksEachDrawAgainstTheDrawsBeforeIt) {
  const History h = test::MakeHistory(2, {{1, 5}, {2, 5}, {1, 6}, {3, 6, 1}, {2, 7}});
  AnalysisArrays arrays;
  ReportText report;
  test::CountingHooks hooks;
  EXPECT_EQ(WinningHistoryReplay(h, 3, arrays, report, hooks), AnalysisOutcome::Done);
  EXPECT_EQ(Marks(report), QStringLiteral("02+07&|03&06+|01+06&||"));
  EXPECT_EQ(arrays.ReplayStart, 2);
  EXPECT_EQ(hooks.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(hooks.lastFlags, (std::vector<bool>{false, false, false, true}));
}

}  // namespace
}  // namespace tombolix
