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
  // Digit games for 3 and 4 positions, pick games otherwise.
  History Made() const { return test::PatternHistory(positions(), draws(), positions() <= 4 ? 9 : 45); }

  // `count` draw lines, newest first from the newest draw, then the closing empty line.
  void ExpectDrawLines(const ReportText& report, int count) const {
    const QStringList lines = test::Lines(report);
    ASSERT_EQ(lines.size(), count + 2);
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(lines[i].size(), 13 + 3 * positions());
      EXPECT_TRUE(lines[i].startsWith(DrawDateText(draws() - i)));
    }
  }
  static void ExpectConsumed(const QStringList& rows) {
    for (const QString& row : rows) EXPECT_TRUE(row.isEmpty());
  }
};

TEST_P(SweepTest, EveryReportRunsAndDrawLinesKeepTheirWindow) {
  const History h = Made();
  const HistoryView view(h);
  const SelectorLists lists = FillSelectors(view, 0).lists;
  for (auto run : {&ComputeFrequency, &LeyDelTercio, &CicloAparicion, &PronosticoCiclo}) {
    ReportText report;
    run(view, lists, report, NoHooks());
    EXPECT_TRUE(report.Text().endsWith(QStringLiteral("\r\n\r\n")));
  }
  AnalysisArrays arrays;
  ReportText r[9];
  ConsecutiveNumbers(view, r[0], NoHooks());
  RepeatedNumbers(view, r[1], NoHooks());
  EvenOddMapM1(view, 100, arrays, r[2], NoHooks());
  MapaPrimos(view, 100, arrays, r[3], NoHooks());
  MapaPronosticoCiclo(view, lists, 100, arrays.ForecastArrays, r[4], NoHooks());
  EXPECT_EQ(WinningHistory(view, lists, 100, r[5], NoHooks()), AnalysisOutcome::Done);
  for (int i = 0; i <= 5; ++i) ExpectDrawLines(r[i], std::min(draws(), 100));
  EXPECT_EQ(PatronJugadas(view, r[6], NoHooks()), AnalysisOutcome::Done);
  if (positions() == 2) {
    EXPECT_TRUE(r[6].Text().contains(QStringLiteral("Ningún patrón encontrado")));
  }
  EvenOddMapM2(arrays, positions(), r[7], NoHooks());
  GruposPrimos(arrays, positions(), r[7], NoHooks());
  ExpectConsumed(arrays.EvenOddMapRows + arrays.PrimeLines);

  // The replay maps need more than 100 draws: they replay the last 100.
  if (draws() <= 100) return;
  ReportText m[3];
  ASSERT_EQ(FrequencyMapM1(h, 100, arrays, m[0], NoHooks()), AnalysisOutcome::Done);
  ASSERT_EQ(WinningHistoryReplay(h, 100, arrays, m[1], NoHooks()), AnalysisOutcome::Done);
  ASSERT_EQ(ThirdLawMapM1(h, 100, arrays, m[2], NoHooks()), AnalysisOutcome::Done);
  for (const ReportText& report : m) ExpectDrawLines(report, 100);
  ASSERT_EQ(arrays.FrequencyMapRows.size(), 100);
  ASSERT_EQ(arrays.ThirdLawMapRows.size(), 100);
  EXPECT_TRUE(arrays.FrequencyMapRows.first().startsWith(DrawDateText(draws() - 99)));
  FrequencyMapM2(arrays, positions(), r[8], NoHooks());
  ThirdLawMapM2(arrays, positions(), r[8], NoHooks());
  ExpectConsumed(arrays.FrequencyMapRows + arrays.ThirdLawMapRows);
}

// The source panes of the AI summary as its command fills them.
PaneTexts FilledPanes(const HistoryView& view, const SelectorLists& lists) {
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
  for (size_t i = 0; i < reports.size(); ++i) panes[i] = reports[i].Text();
  ReportText summary;
  AnalisisIA(panes, view, summary, NoHooks());
  panes[Pane::ResumenIA] = summary.Text();
  return panes;
}

// Every value line of the summary and every verdict line is its value, its mark and eight three-character codes.
constexpr int kCodedLineLength = 2 + 1 + 6 + 3 + 3 + 1 + 3 + 3 + 1 + 3 + 3 + 3 + 3;

TEST_P(SweepTest, SummaryAndSearchReadEmptyAndFilledPanes) {
  const History h = Made();
  const HistoryView view(h);
  PaneTexts empty;
  empty.fill(QStringLiteral(" "));
  SelectorTexts texts;
  texts.fill(QStringLiteral("--"));
  for (int k = 1; k <= positions(); ++k) texts[static_cast<size_t>(k)] = QString::number(h.P(k, 1));
  for (const PaneTexts& panes : {empty, FilledPanes(view, FillSelectors(view, 0).lists)}) {
    // The summary: one line per visited frequency line, labels in order.
    ReportText summary;
    ASSERT_EQ(AnalisisIA(panes, view, summary, NoHooks()), AnalysisOutcome::Done);
    const QStringList frequency = VisitedLines(panes[Pane::Frecuencia]);
    const QStringList lines = test::Lines(summary);
    ASSERT_EQ(lines.size(), frequency.size() + 1);
    for (int i = 0; i < frequency.size(); ++i) {
      EXPECT_EQ(lines[i].left(2), frequency[i].left(2)) << lines[i].toStdString();
      EXPECT_EQ(lines[i].size(), frequency[i].contains(u'>') ? kCodedLineLength : lines[i].left(2).size());
    }
    // The newest draw always finds itself, and in last-draw mode it comes first.
    for (quint8 pane : {quint8{0}, quint8{19}}) {
      ReportText search;
      ASSERT_EQ(BuscarParecidos(pane, view, texts, panes, search, NoHooks()), AnalysisOutcome::Done);
      const QStringList out = test::Lines(search);
      for (int k = 0; k < positions(); ++k) EXPECT_EQ(out[k].size(), kCodedLineLength);
      EXPECT_EQ(out[positions() + 2].size(), 13 + 3 * positions());
      if (pane == 19) {
        EXPECT_TRUE(out[positions() + 2].startsWith(DrawDateText(draws())));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Histories, SweepTest,
                         ::testing::Combine(::testing::Range(2, 8), ::testing::Values(1, 2, 99, 100, 101, 300, 301)));

}  // namespace
}  // namespace tombolix
