#include "analyses/frequency.h"
#include "analyses/report_lines.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Lists;

TEST(RankClassTest, ThirdsByIntegerDivision) {
  const struct {
    int n;
    const char* classes;
  } cases[] = {{1, "#"}, {2, "##"}, {3, "%$#"}, {10, "%%%$$$####"}, {11, "%%%$$$#####"}};
  for (const auto& c : cases) {
    QString classes;
    for (int r = 1; r <= c.n; ++r) classes.append(RankClass(r, c.n));
    EXPECT_EQ(classes, QLatin1String(c.classes)) << c.n;
  }
}

TEST(FrequencyTest, CountsOnlyTheLastHundredDrawsAndOnlyItsOwnPosition) {
  std::vector<std::vector<int>> draws;
  for (int d = 1; d <= 150; ++d) draws.push_back({d <= 50 ? 9 : 8, 9});
  const History h = test::MakeHistory(2, draws);
  ReportText report;
  ComputeFrequency(HistoryView(h), Lists({{8, 9}, {9}}), report, NoHooks());
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n08# -->  100\r\n09# -->  0\r\n\r\nB2\r\n09# -->  100\r\n\r\n"));
  // A shorter view counts what it has.
  ReportText shorter;
  ComputeFrequency(HistoryView(h, 60), Lists({{8, 9}, {9}}), shorter, NoHooks());
  EXPECT_TRUE(shorter.Text().startsWith(QStringLiteral("B1\r\n08# -->  10\r\n09# -->  50\r\n")));
}

QString Row(int d, const QString& marks) { return test::DrawDateText(d) + QStringLiteral("   ") + marks; }

// Five draws of two positions, replaying the last three: before each draw the
// candidates come from the draws known then (most frequent first, ties with the higher number first).
TEST(FrequencyMapTest, ReplayRanksEachDrawAgainstTheDrawsBeforeIt) {
  const History h = test::MakeHistory(2, {{1, 5}, {1, 6}, {2, 5}, {1, 7}, {3, 5}});
  AnalysisArrays arrays;
  ReportText report;
  test::CountingHooks hooks;
  EXPECT_EQ(FrequencyMapM1(h, 3, arrays, report, hooks), AnalysisOutcome::Done);
  // Draw 3 against draws 1-2: B1 [1], B2 [6, 5]. Draw 4 against 1-3: [1, 2], [5, 6].
  // Draw 5 against 1-4: [1, 2], [5, 7, 6].
  EXPECT_EQ(arrays.FrequencyMapRows, (QStringList{Row(3, QStringLiteral("02&05#")), Row(4, QStringLiteral("01#07&")),
                                                  Row(5, QStringLiteral("03&05%"))}));
  EXPECT_EQ(arrays.ReplayStart, 2);
  EXPECT_EQ(hooks.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(hooks.lastFlags, (std::vector<bool>{false, false, false, true}));
  // The ranking left behind is that of the last replayed step.
  EXPECT_EQ(arrays.FrequencyRanking[2], (std::vector<quint8>{5, 7, 6, 0}));
}

TEST(FrequencyMapTest, GroupsNeedMoreThanHalfOfThePositionsAndNonCandidatesNeverMatch) {
  const auto six = [](int d, const char* marks) {
    QString s;
    for (int i = 0; i < 6; ++i) s += QStringLiteral("1%1").arg(i) + QLatin1Char(marks[i]);
    return Row(d, s);
  };
  AnalysisArrays arrays;
  // Alike at all six positions, but four of them non-candidates: no group.
  const QString c = six(5, "%%%%%%");
  const QString a = six(3, "%%%%##");  // 4 of 6 with c: groups; 3 of 6 does not
  arrays.FrequencyMapRows = QStringList{six(1, "&&&&%$"), six(2, "&&&&%$"), a, six(4, "%%%###"), c};
  ReportText report;
  FrequencyMapM2(arrays, 6, report, NoHooks());
  EXPECT_EQ(report.Text(), c + test::Crlf() + a + test::Crlf(2));
}

}  // namespace
}  // namespace tombolix
