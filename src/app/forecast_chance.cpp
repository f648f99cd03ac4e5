#include "analyses/analisis_ia.h"
#include "analyses/pronostico_ciclo.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"

#include <algorithm>

namespace tombolix {

namespace {

// What a report names for the next draw, per position, and the candidates it chose from.
struct NamedNumbers {
  SelectorLists candidates;
  SelectorLists named;
};

// The due values of the forecast by cycle, from the selector lists of the draws known.
NamedNumbers CycleForecast(const History& known, const SelectorLists& lists) {
  return {lists, DueNumbers(HistoryView(known), lists)};
}

// The summary's highlighted values: its source panes computed as ANÁLISIS iA
// computes them, on a window model of their own, then read back by the summary's rule.
NamedNumbers SummaryForecast(const History& known, const SelectorLists& lists, int analysisWindow) {
  WindowModel scratch;
  scratch.AnalysisWindow = analysisWindow;
  for (int k = 1; k <= known.PositionCount; ++k) {
    QStringList& items = scratch.CboBal[static_cast<size_t>(k)].items;
    for (const quint8 value : lists[static_cast<size_t>(k)])
      items.append(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
  }
  PaneTexts texts;
  for (const PaneRow& row : PaneTable()) {
    if (!row.aiSource || row.compute == nullptr) continue;
    ReportText report;
    PaneJob job{known, scratch, report, NoHooks()};
    row.compute(job);
    texts[static_cast<size_t>(row.pane)] = report.Text();
  }
  const SummaryHighlights summary = AnalisisIAHighlights(texts, HistoryView(known));
  return {summary.values, summary.highlighted};
}

}  // namespace

bool TombolixApp::HasForecastChance(int pane) { return pane == Pane::PronosticoM1 || pane == Pane::ResumenIA; }

std::optional<ForecastChance> TombolixApp::CompareForecastWithChance(int pane, int draws,
                                                                     const ReplayProgress& progress) const {
  if (model_.busy || !HasForecastChance(pane) || model_.RtfReporte[static_cast<size_t>(pane)].report.IsEmptyMarker()) {
    return std::nullopt;
  }
  const int window = std::max(model_.AnalysisWindow, 0);
  const int steps = std::min(draws <= 0 ? window : std::min(draws, window), model_.history.DrawCount - 1);
  // Copies share the draws: the replay reads them even if the window changes
  // meanwhile; `known` moves its count back to the draws known at each step.
  const History whole = model_.history;
  History known = whole;
  ForecastChanceTally tally;
  for (int i = 0; i < steps; ++i) {
    if (progress && !progress(i * 100 / steps)) return std::nullopt;
    known.DrawCount = whole.DrawCount - steps + i;
    const SelectorLists lists = ::tombolix::FillSelectors(HistoryView(known), 0).lists;
    const NamedNumbers numbers =
        pane == Pane::PronosticoM1 ? CycleForecast(known, lists) : SummaryForecast(known, lists, window);
    const int next = known.DrawCount + 1;
    for (int k = 1; k <= known.PositionCount; ++k) {
      const auto ku = static_cast<size_t>(k);
      tally.Add(MakeTrial(numbers.candidates[ku], numbers.named[ku], whole.P(k, next)));
    }
    tally.EndDraw();
  }
  if (progress && !progress(100)) return std::nullopt;
  return tally.Result();
}

std::optional<TombolixApp::ChanceTexts> TombolixApp::CompareForecastWithChanceTexts(
    int pane, const ReplayProgress& progress) const {
  const std::optional<ForecastChance> result = CompareForecastWithChance(pane, 0, progress);
  if (!result) return std::nullopt;
  const ForecastSource source = pane == Pane::PronosticoM1 ? ForecastSource::Cycle : ForecastSource::Summary;
  return ChanceTexts{ForecastChanceSentence(*result, source), ForecastChanceTable(*result)};
}

}  // namespace tombolix
