// Every analysis on histories of awkward sizes and lotteries of every width:
// the draw lines hold their layout and window, and nothing is read outside the draws.
#include "analyses/ciclo_aparicion.h"
#include "analyses/consecutive_numbers.h"
#include "analyses/even_odd_maps.h"
#include "analyses/frequency.h"
#include "analyses/ley_del_tercio.h"
#include "analyses/play_patterns.h"
#include "analyses/prime_maps.h"
#include "analyses/pronostico_ciclo.h"
#include "analyses/repeated_numbers.h"
#include "analyses/third_law_maps.h"
#include "analyses/winning_history.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::DrawDateText;

class SweepTest : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  int positions() const { return std::get<0>(GetParam()); }
  int draws() const { return std::get<1>(GetParam()); }

  // `count` draw lines, newest first from the newest draw, then the closing empty line.
  void ExpectDrawLines(const ReportText& report, int count) const {
    const QStringList lines = test::Lines(report);
    ASSERT_EQ(lines.size(), count + 2);
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(lines[i].size(), 13 + 3 * positions());
      EXPECT_TRUE(lines[i].startsWith(DrawDateText(draws() - i)));
    }
  }
};

TEST_P(SweepTest, EveryReportRunsAndDrawLinesKeepTheirWindow) {
  // Digit games for 3 and 4 positions, pick games otherwise.
  const History h = test::PatternHistory(positions(), draws(), positions() <= 4 ? 9 : 45);
  const HistoryView view(h);
  const SelectorLists lists = FillSelectors(view, 0).lists;
  for (auto run : {&ComputeFrequency, &LeyDelTercio, &CicloAparicion, &PronosticoCiclo}) {
    ReportText report;
    run(view, lists, report, NoHooks());
    EXPECT_TRUE(report.Text().endsWith(QStringLiteral("\r\n\r\n")));
  }
  const int recent = std::min(draws(), 100);
  AnalysisArrays arrays;
  ReportText lines[5];
  ConsecutiveNumbers(view, lines[0], NoHooks());
  RepeatedNumbers(view, lines[1], NoHooks());
  EvenOddMapM1(view, 100, arrays, lines[2], NoHooks());
  MapaPrimos(view, 100, arrays, lines[3], NoHooks());
  MapaPronosticoCiclo(view, lists, 100, arrays.ForecastArrays, lines[4], NoHooks());
  for (const ReportText& report : lines) ExpectDrawLines(report, recent);
  ReportText hits;
  EXPECT_EQ(WinningHistory(view, lists, 100, hits, NoHooks()), AnalysisOutcome::Done);
  ExpectDrawLines(hits, recent);
  ReportText patterns;
  EXPECT_EQ(PatronJugadas(view, patterns, NoHooks()), AnalysisOutcome::Done);
  if (positions() == 2) {
    EXPECT_TRUE(patterns.Text().contains(QStringLiteral("Ningún patrón encontrado")));
  }
  ReportText groups;
  EvenOddMapM2(arrays, positions(), groups, NoHooks());
  GruposPrimos(arrays, positions(), groups, NoHooks());
  for (const QString& row : arrays.EvenOddMapRows + arrays.PrimeLines) EXPECT_TRUE(row.isEmpty());

  // The replay map needs more than 100 draws: it replays the last 100 (draws 2..101 of 101).
  if (draws() <= 100) return;
  ReportText m1;
  ASSERT_EQ(FrequencyMapM1(h, 100, arrays, m1, NoHooks()), AnalysisOutcome::Done);
  ExpectDrawLines(m1, 100);
  ASSERT_EQ(arrays.FrequencyMapRows.size(), 100);
  EXPECT_TRUE(arrays.FrequencyMapRows.first().startsWith(DrawDateText(draws() - 99)));
  FrequencyMapM2(arrays, positions(), groups, NoHooks());
  for (const QString& row : arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
  ReportText replayedHits;
  ASSERT_EQ(WinningHistoryReplay(h, 100, arrays, replayedHits, NoHooks()), AnalysisOutcome::Done);
  ExpectDrawLines(replayedHits, 100);
  ReportText thirds;
  ASSERT_EQ(ThirdLawMapM1(h, 100, arrays, thirds, NoHooks()), AnalysisOutcome::Done);
  ExpectDrawLines(thirds, 100);
  ASSERT_EQ(arrays.ThirdLawMapRows.size(), 100);
  ThirdLawMapM2(arrays, positions(), groups, NoHooks());
  for (const QString& row : arrays.ThirdLawMapRows) EXPECT_TRUE(row.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Histories, SweepTest,
                         ::testing::Combine(::testing::Range(2, 8),
                                            ::testing::Values(1, 2, 99, 100, 101, 150, 300, 301)));

}  // namespace
}  // namespace tombolix
