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

std::vector<quint8> SilentFirst(const History& h, const std::vector<quint8>& candidates) {
  PositionByteArrays arrays = AnalysisArrays().ThirdLawArrays;
  LeyDelTercioSilent(HistoryView(h), Lists({candidates, {50}}), arrays);
  return arrays[1];
}

TEST(LeyDelTercioTest, WindowIsAsLongAsTheSelectorListAndStaleArraysAreReset) {
  // The list has 4 candidates: draws 2..5 count, draw 1 (a 4) does not.
  const History h = FirstPosition({4, 1, 1, 2, 1});
  PositionByteArrays arrays = AnalysisArrays().ThirdLawArrays;
  arrays[5] = {102, 9, 0};  // left by a wider lottery
  LeyDelTercioSilent(HistoryView(h), Lists({{1, 2, 3, 4}, {50}}), arrays);
  EXPECT_EQ(arrays[1], (std::vector<quint8>{102, 1, 101, 2, 100, 4, 3, 0}));
  EXPECT_EQ(arrays[2], (std::vector<quint8>{101, 50, 0}));  // a list of one looks at one draw
  EXPECT_EQ(arrays[5], (std::vector<quint8>{0}));
  // Five candidates, two draws: the window stops at draw 1; every value of one class gets a single group code.
  EXPECT_EQ(SilentFirst(FirstPosition({7, 7}), {7, 1, 2, 3, 4}), (std::vector<quint8>{102, 7, 100, 4, 3, 2, 1, 0}));
  EXPECT_EQ(SilentFirst(FirstPosition({3, 2, 1}), {1, 2, 3}), (std::vector<quint8>{101, 3, 2, 1, 0}));
}

TEST(LeyDelTercioTest, TenHitsOrMoreSortAsTextBeforeTwoToNine) {
  // 13 candidates 0..12, window of 13 draws: 5 ten times, 6 twice, 7 once.
  std::vector<int> values(10, 5);
  values.insert(values.end(), {6, 7, 6});
  const History h = FirstPosition(values);
  std::vector<quint8> candidates;
  for (quint8 v = 0; v <= 12; ++v) candidates.push_back(v);
  ReportText report;
  LeyDelTercio(HistoryView(h), Lists({candidates, {50}}), report, NoHooks());
  EXPECT_TRUE(report.Text().startsWith(QStringLiteral("B1\r\n06% -->  2\r\n05% -->  10\r\n07$ -->  1\r\n12# -->  0")));
  // Value 0 is an ordinary value of the arrays; only the spare follows it.
  const std::vector<quint8> arrays = SilentFirst(h, candidates);
  EXPECT_EQ(arrays, (std::vector<quint8>{102, 6, 5, 101, 7, 100, 12, 11, 10, 9, 8, 4, 3, 2, 1, 0, 0}));
  EXPECT_EQ(FilledCount(arrays), 16);
}

}  // namespace
}  // namespace tombolix
