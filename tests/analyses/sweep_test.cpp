// Every analysis on histories of awkward sizes and lotteries of every width:
// the draw lines hold their layout and window, and nothing is read outside the draws.
#include "analyses/analisis_ia.h"
#include "analyses/buscar_parecidos.h"
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

// The source panes of the AI summary as its command fills them.
PaneTexts FilledPanes(const History& h, const SelectorLists& lists) {
  const HistoryView view(h);
  std::array<ReportText, kPaneCount> reports;
  AnalysisArrays arrays;
  ComputeFrequency(view, lists, reports[Pane::Frecuencia], NoHooks());
  LeyDelTercio(view, lists, reports[Pane::LeyTercio], NoHooks());
  CicloAparicion(view, lists, reports[Pane::CicloAparicion], NoHooks());
  PronosticoCiclo(view, lists, reports[Pane::PronosticoM1], NoHooks());
  ConsecutiveNumbers(view, reports[Pane::Consecutivos], NoHooks());
  RepeatedNumbers(view, reports[Pane::Repetidos], NoHooks());
  EvenOddMapM1(view, 100, arrays, reports[Pane::ParesImparesM1], NoHooks());
  MapaPrimos(view, 100, arrays, reports[Pane::PrimosM1], NoHooks());
  PaneTexts panes;
  for (int i = 0; i < kPaneCount; ++i) panes[static_cast<size_t>(i)] = reports[static_cast<size_t>(i)].Text();
  ReportText summary;
  AnalisisIA(panes, view, summary, NoHooks());
  panes[Pane::ResumenIA] = summary.Text();
  return panes;
}

// Every value line of the summary and every verdict line is its value, its mark and eight three-character codes.
constexpr int kCodedLineLength = 2 + 1 + 6 + 3 + 3 + 1 + 3 + 3 + 1 + 3 + 3 + 3 + 3;

TEST_P(SweepTest, SummaryAndSearchReadEmptyAndFilledPanes) {
  const History h = test::PatternHistory(positions(), draws(), positions() <= 4 ? 9 : 45);
  const HistoryView view(h);
  const SelectorLists lists = FillSelectors(view, 0).lists;
  PaneTexts empty;
  empty.fill(QStringLiteral(" "));
  for (const PaneTexts& panes : {empty, FilledPanes(h, lists)}) {
    // The summary: one line per visited frequency line, labels in order.
    ReportText summary;
    ASSERT_EQ(AnalisisIA(panes, view, summary, NoHooks()), AnalysisOutcome::Done);
    const QStringList frequency = VisitedLines(panes[Pane::Frecuencia]);
    const QStringList lines = test::Lines(summary);
    ASSERT_EQ(lines.size(), frequency.size() + 1);
    for (int i = 0; i < frequency.size(); ++i) {
      if (frequency[i].contains(u'>')) {
        EXPECT_EQ(lines[i].size(), kCodedLineLength) << lines[i].toStdString();
        EXPECT_EQ(lines[i].left(2), frequency[i].left(2));
      } else {
        EXPECT_EQ(lines[i], frequency[i].left(2));
      }
    }

    // The newest draw always finds itself in last-draw mode, first and in red.
    SelectorTexts texts;
    texts.fill(QStringLiteral("--"));
    for (int k = 1; k <= positions(); ++k) texts[static_cast<size_t>(k)] = QString::number(h.P(k, 1));
    for (quint8 pane : {quint8{0}, quint8{19}}) {
      ReportText search;
      ASSERT_EQ(BuscarParecidos(pane, view, texts, panes, search, NoHooks()), AnalysisOutcome::Done);
      const QStringList out = test::Lines(search);
      for (int k = 0; k < positions(); ++k) EXPECT_EQ(out[k].size(), kCodedLineLength);
      const QString first = out[positions() + 2];
      EXPECT_EQ(first.size(), 13 + 3 * positions());
      if (pane == 19) {
        EXPECT_TRUE(first.startsWith(DrawDateText(draws())));
      }
      const int found = out.size() - positions() - 5;
      EXPECT_TRUE(
          out[out.size() - 2].startsWith(QStringLiteral(" ").repeated((38 - 22 - QString::number(found).size()) / 2) +
                                         QString::number(found) + QStringLiteral(" sorteo")));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Histories, SweepTest,
                         ::testing::Combine(::testing::Range(2, 8),
                                            ::testing::Values(1, 2, 99, 100, 101, 150, 300, 301)));

}  // namespace
}  // namespace tombolix
