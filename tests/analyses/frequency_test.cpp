#include "analyses/frequency.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::CountingHooks;
using test::DrawDateText;
using test::Lists;
using test::MakeHistory;

TEST(FrequencyTest, CountsEachCandidateAndMarksItsThird) {
  const History h = MakeHistory(3, {{1, 2, 3}, {1, 4, 3}, {2, 4, 3}, {1, 5, 6}, {3, 4, 6}});
  ReportText report;
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
  ReportText report;
  ComputeFrequency(HistoryView(h), Lists({{8, 9}, {9}}), report, NoHooks());
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n08# -->  100\r\n09# -->  0\r\n\r\nB2\r\n09# -->  100\r\n\r\n"));
  // A shorter view counts what it has.
  ReportText shorter;
  ComputeFrequency(HistoryView(h, 60), Lists({{8, 9}, {9}}), shorter, NoHooks());
  EXPECT_TRUE(shorter.Text().startsWith(QStringLiteral("B1\r\n08# -->  10\r\n09# -->  50\r\n")));
}

QString Row(int d, const QString& numbersAndMarks) { return DrawDateText(d) + QStringLiteral("   ") + numbersAndMarks; }

// Five draws of two positions, replaying the last three: before each draw the
// candidates come from the draws known then (most frequent first, ties with
// the higher number first).
TEST(FrequencyMapTest, ReplayRanksEachDrawAgainstTheDrawsBeforeIt) {
  const History h = MakeHistory(2, {{1, 5}, {1, 6}, {2, 5}, {1, 7}, {3, 5}});
  AnalysisArrays arrays;
  ReportText report;
  CountingHooks hooks;
  EXPECT_EQ(FrequencyMapM1(h, 3, arrays, report, hooks), AnalysisOutcome::Done);
  // Draw 3 against draws 1-2: B1 [1], B2 [6, 5]. Draw 4 against 1-3: [1, 2], [5, 6].
  // Draw 5 against 1-4: [1, 2], [5, 7, 6].
  const QString row3 = Row(3, QStringLiteral("02&05#"));
  const QString row4 = Row(4, QStringLiteral("01#07&"));
  const QString row5 = Row(5, QStringLiteral("03&05%"));
  EXPECT_EQ(report.Text(), row5 + test::Crlf() + row4 + test::Crlf() + row3 + test::Crlf(2));
  EXPECT_EQ(arrays.FrequencyMapRows, (QStringList{row3, row4, row5}));
  EXPECT_EQ(arrays.ReplayStart, 2);
  EXPECT_EQ(hooks.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(hooks.lastFlags, (std::vector<bool>{false, false, false, true}));
  // The ranking left behind is that of the last replayed step.
  EXPECT_EQ(arrays.FrequencyRanking[2], (std::vector<quint8>{5, 7, 6, 0}));
}

QString SixMarks(const QString& marks) {
  QString s;
  for (int i = 0; i < marks.size(); ++i) s += QStringLiteral("1%1").arg(i) + marks.at(i);
  return s;
}

TEST(FrequencyMapTest, GroupsNeedMoreThanHalfOfThePositionsAndNonCandidatesNeverMatch) {
  AnalysisArrays arrays;
  // Alike at all six positions, but four of them non-candidates: no group.
  const QString x = Row(1, SixMarks(QStringLiteral("&&&&%$")));
  const QString y = Row(2, SixMarks(QStringLiteral("&&&&%$")));
  const QString a = Row(3, SixMarks(QStringLiteral("%%%%##")));  // 4 of 6 with c: groups
  const QString b = Row(4, SixMarks(QStringLiteral("%%%###")));  // 3 of 6 with c: does not
  const QString c = Row(5, SixMarks(QStringLiteral("%%%%%%")));
  arrays.FrequencyMapRows = QStringList{x, y, a, b, c};
  ReportText report;
  FrequencyMapM2(arrays, 6, report, NoHooks());
  EXPECT_EQ(report.Text(), c + test::Crlf() + a + test::Crlf(2));  // b matches nobody and is not shown
  for (const QString& row : arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
  // The rows are consumed: a second run writes nothing.
  ReportText again;
  FrequencyMapM2(arrays, 6, again, NoHooks());
  EXPECT_TRUE(again.Text().isEmpty());
}

}  // namespace
}  // namespace tombolix
