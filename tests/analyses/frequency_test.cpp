#include "analyses/frequency.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using testing::CountingHooks;
using testing::DrawDateText;
using testing::Lists;
using testing::MakeHistory;

TEST(FrequencyTest, CountsEachCandidateAndMarksItsThird) {
  const History h = MakeHistory(3, {{1, 2, 3}, {1, 4, 3}, {2, 4, 3}, {1, 5, 6}, {3, 4, 6}});
  ReportText report{QString()};
  CountingHooks hooks;
  ComputeFrequency(HistoryView(h), Lists({{1, 2, 3}, {4, 2, 5}, {3, 6}}), report, hooks);
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n01% -->  3\r\n02$ -->  1\r\n03# -->  1\r\n\r\n"
                                          "B2\r\n04% -->  3\r\n02$ -->  1\r\n05# -->  1\r\n\r\n"
                                          "B3\r\n03# -->  3\r\n06# -->  2\r\n\r\n"));
  EXPECT_EQ(hooks.steps, 3);  // one per position
}

TEST(FrequencyTest, CountsOnlyTheLastHundredDrawsAndOnlyItsOwnPosition) {
  std::vector<std::vector<int>> draws;
  for (int d = 1; d <= 150; ++d) draws.push_back({d <= 50 ? 9 : 8, 9});
  const History h = MakeHistory(2, draws);
  ReportText report{QString()};
  ComputeFrequency(HistoryView(h), Lists({{8, 9}, {9}}), report, NoHooks());
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n08# -->  100\r\n09# -->  0\r\n\r\nB2\r\n09# -->  100\r\n\r\n"));
  // A shorter view counts what it has.
  ReportText shorter{QString()};
  ComputeFrequency(HistoryView(h, 60), Lists({{8, 9}, {9}}), shorter, NoHooks());
  EXPECT_TRUE(shorter.Text().startsWith(QStringLiteral("B1\r\n08# -->  10\r\n09# -->  50\r\n")));
}

TEST(FrequencyTest, CollectModeKeepsRankOrderAndOneSpare) {
  PositionByteArrays ranking = AnalysisArrays().FrequencyRanking;
  ComputeFrequencyCollect(Lists({{0, 5}, {9, 0, 3}, {4}}), 2, ranking);
  EXPECT_EQ(ranking[1], (std::vector<quint8>{0, 5, 0}));
  EXPECT_EQ(ranking[2], (std::vector<quint8>{9, 0, 3, 0}));
  EXPECT_EQ(ranking[3], (std::vector<quint8>{0}));  // beyond the position count
  EXPECT_EQ(FilledCount(ranking[1]), 2);
  EXPECT_EQ(FilledCount(ranking[7]), 0);
}

QString Row(int d, const QString& numbersAndMarks) { return DrawDateText(d) + QStringLiteral("   ") + numbersAndMarks; }

// Five draws of two positions, replaying the last three: before each draw the
// candidates come from the draws known then (most frequent first, ties with
// the higher number first).
History SmallReplayHistory() { return MakeHistory(2, {{1, 5}, {1, 6}, {2, 5}, {1, 7}, {3, 5}}); }

TEST(FrequencyMapTest, ReplayRanksEachDrawAgainstTheDrawsBeforeIt) {
  const History h = SmallReplayHistory();
  AnalysisArrays arrays;
  ReportText report{QString()};
  CountingHooks hooks;
  EXPECT_EQ(FrequencyMapM1(h, 3, arrays, report, hooks), AnalysisOutcome::Done);
  // Draw 3 against draws 1-2: B1 [1], B2 [6, 5]. Draw 4 against 1-3: [1, 2], [5, 6].
  // Draw 5 against 1-4: [1, 2], [5, 7, 6].
  const QString row3 = Row(3, QStringLiteral("02&05#"));
  const QString row4 = Row(4, QStringLiteral("01#07&"));
  const QString row5 = Row(5, QStringLiteral("03&05%"));
  EXPECT_EQ(report.Text(), row5 + testing::Crlf() + row4 + testing::Crlf() + row3 + testing::Crlf(2));
  EXPECT_EQ(arrays.FrequencyMapRows, (QStringList{row3, row4, row5}));
  EXPECT_EQ(arrays.ReplayStart, 2);
  EXPECT_EQ(hooks.steps, 4);  // three replayed draws and the closing pass
  EXPECT_EQ(hooks.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(hooks.lastFlags, (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(h.DrawCount, 5);  // the history itself is never shortened
  // The ranking left behind is that of the last replayed step.
  EXPECT_EQ(arrays.FrequencyRanking[2], (std::vector<quint8>{5, 7, 6, 0}));
}

TEST(FrequencyMapTest, HundredAndOneDrawsReplayDrawsTwoToHundredAndOne) {
  const History h = testing::PatternHistory(6, 101, 45);
  AnalysisArrays arrays;
  ReportText report{QString()};
  ASSERT_EQ(FrequencyMapM1(h, 100, arrays, report, NoHooks()), AnalysisOutcome::Done);
  const QStringList lines = testing::Lines(report);
  ASSERT_EQ(lines.size(), 102);  // 100 rows, the closing empty line, the end
  EXPECT_TRUE(lines.first().startsWith(DrawDateText(101)));
  EXPECT_TRUE(lines[99].startsWith(DrawDateText(2)));
  EXPECT_EQ(arrays.FrequencyMapRows.size(), 100);
  EXPECT_TRUE(arrays.FrequencyMapRows.first().startsWith(DrawDateText(2)));
  for (const QString& row : arrays.FrequencyMapRows) EXPECT_EQ(row.size(), 13 + 3 * 6);
}

TEST(FrequencyMapTest, StopRequestEndsTheReplayAtOnce) {
  const History h = testing::PatternHistory(4, 130, 30);
  // Asks for the stop once 40 % has been shown.
  class StopAtForty : public CountingHooks {
   public:
    bool seen = false;
    void Progress(int percent, bool last) override {
      CountingHooks::Progress(percent, last);
      if (percent >= 40) seen = true;
    }
    bool StopRequested() const override { return seen; }
  } hooks;
  AnalysisArrays arrays;
  ReportText report{QString()};
  EXPECT_EQ(FrequencyMapM1(h, 100, arrays, report, hooks), AnalysisOutcome::Stopped);
  EXPECT_EQ(hooks.progress.back(), 40);
  EXPECT_EQ(hooks.steps, 42);  // the step after 40 % sees the request
}

QString SixMarks(const QString& marks) {
  QString s;
  for (int i = 0; i < marks.size(); ++i) s += QStringLiteral("1%1").arg(i) + marks.at(i);
  return s;
}

TEST(FrequencyMapTest, GroupsNeedMoreThanHalfOfThePositions) {
  AnalysisArrays arrays;
  const QString a = Row(1, SixMarks(QStringLiteral("%%%%##")));  // 4 of 6 with c: groups
  const QString b = Row(2, SixMarks(QStringLiteral("%%%###")));  // 3 of 6 with c: does not
  const QString c = Row(3, SixMarks(QStringLiteral("%%%%%%")));
  arrays.FrequencyMapRows = QStringList{a, b, c};
  ReportText report{QString()};
  CountingHooks hooks;
  FrequencyMapM2(arrays, 6, report, hooks);
  EXPECT_EQ(report.Text(), c + testing::Crlf() + a + testing::Crlf(2));  // b matches nobody and is not shown
  EXPECT_EQ(hooks.steps, 3);
  for (const QString& row : arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
  // The rows are consumed: a second run writes nothing.
  ReportText again{QString()};
  FrequencyMapM2(arrays, 6, again, NoHooks());
  EXPECT_TRUE(again.Text().isEmpty());
}

TEST(FrequencyMapTest, NonCandidatesNeverMatch) {
  AnalysisArrays arrays;
  const QString older = Row(1, SixMarks(QStringLiteral("&&&&%$")));
  const QString newer = Row(2, SixMarks(QStringLiteral("&&&&%$")));
  arrays.FrequencyMapRows = QStringList{older, newer, QString()};
  ReportText report{QString()};
  FrequencyMapM2(arrays, 6, report, NoHooks());
  EXPECT_TRUE(report.Text().isEmpty());
}

TEST(FrequencyMapTest, MapTwoWithoutMapOneWritesNothing) {
  AnalysisArrays arrays;
  ReportText report{QString()};
  FrequencyMapM2(arrays, 6, report, NoHooks());
  EXPECT_TRUE(report.Text().isEmpty());
}

}  // namespace
}  // namespace tombolix
