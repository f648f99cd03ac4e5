#include "analyses/ley_del_tercio.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Lists;

// A two-position history whose first position takes `values` (oldest first); the second is always 50.
History FirstPosition(const std::vector<int>& values) {
  std::vector<std::vector<int>> draws;
  for (int v : values) draws.push_back({v, 50});
  return test::MakeHistory(2, draws);
}

TEST(LeyDelTercioTest, WindowIsAsLongAsTheSelectorList) {
  // The list has 4 candidates: draws 2..5 count, draw 1 (a 4) does not.
  const History h = FirstPosition({4, 1, 1, 2, 1});
  const SelectorLists lists = Lists({{1, 2, 3, 4}, {50}});
  ReportText report;
  LeyDelTercio(HistoryView(h), lists, report, NoHooks());
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n01% -->  3\r\n02$ -->  1\r\n04# -->  0\r\n03# -->  0\r\n\r\n"
                                          "B2\r\n50$ -->  1\r\n\r\n"));
  PositionByteArrays arrays = AnalysisArrays().ThirdLawArrays;
  arrays[5] = {102, 9, 0};  // left by a wider lottery
  LeyDelTercioSilent(HistoryView(h), lists, arrays);
  EXPECT_EQ(arrays[1], (std::vector<quint8>{102, 1, 101, 2, 100, 4, 3, 0}));
  EXPECT_EQ(arrays[2], (std::vector<quint8>{101, 50, 0}));  // a list of one looks at one draw
  EXPECT_EQ(arrays[5], (std::vector<quint8>{0}));
}

TEST(LeyDelTercioTest, TenHitsOrMoreSortAsTextBeforeTwoToNine) {
  // 13 candidates 0..12, window of 13 draws: 5 ten times, 6 twice, 7 once.
  std::vector<int> values(10, 5);
  values.insert(values.end(), {6, 7, 6});
  const History h = FirstPosition(values);
  std::vector<quint8> candidates;
  for (quint8 v = 0; v <= 12; ++v) candidates.push_back(v);
  const SelectorLists lists = Lists({candidates, {50}});
  ReportText report;
  LeyDelTercio(HistoryView(h), lists, report, NoHooks());
  EXPECT_TRUE(report.Text().startsWith(QStringLiteral("B1\r\n06% -->  2\r\n05% -->  10\r\n07$ -->  1\r\n12# -->  0")));
  // Value 0 is an ordinary value of the arrays; only the spare follows it.
  PositionByteArrays arrays = AnalysisArrays().ThirdLawArrays;
  LeyDelTercioSilent(HistoryView(h), lists, arrays);
  EXPECT_EQ(arrays[1], (std::vector<quint8>{102, 6, 5, 101, 7, 100, 12, 11, 10, 9, 8, 4, 3, 2, 1, 0, 0}));
  EXPECT_EQ(FilledCount(arrays[1]), 16);
}

TEST(LeyDelTercioTest, ShortHistoryCutsTheWindowAtDrawOne) {
  // Five candidates, two draws: the window is just those two draws.
  ReportText report;
  LeyDelTercio(HistoryView(FirstPosition({7, 7})), Lists({{7, 1, 2, 3, 4}, {50}}), report, NoHooks());
  EXPECT_TRUE(report.Text().startsWith(QStringLiteral("B1\r\n07% -->  2\r\n04# -->  0\r\n")));
  // Every value of one class: a single group code.
  PositionByteArrays arrays = AnalysisArrays().ThirdLawArrays;
  LeyDelTercioSilent(HistoryView(FirstPosition({3, 2, 1})), Lists({{1, 2, 3}, {50}}), arrays);
  EXPECT_EQ(arrays[1], (std::vector<quint8>{101, 3, 2, 1, 0}));
}

}  // namespace
}  // namespace tombolix
