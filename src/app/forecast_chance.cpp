#include "app/forecast_chance.h"
#include "analyses/analisis_ia.h"
#include "analyses/pronostico_ciclo.h"

#include "app/pane_table.h"
#include "app/window_model.h"

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

int ForecastWindowDraws(const WindowModel& model) {
  return std::max(std::min(std::max(model.AnalysisWindow, 0), model.history.DrawCount - 1), 0);
}

std::optional<ForecastComparison> CompareForecastWithChance(const WindowModel& model, int pane, int draws,
                                                            const ReplayProgress& progress) {
  if (model.busy || PaneInfo(pane).chance != ChanceComparison::Forecast ||
      model.RtfReporte[static_cast<size_t>(pane)].report.IsEmptyMarker()) {
    return std::nullopt;
  }
  const int window = std::max(model.AnalysisWindow, 0);
  const int steps = std::min(draws <= 0 ? window : std::min(draws, window), model.history.DrawCount - 1);
  // A copy shares the draws: the replay reads them even if the window changes meanwhile.
  const History whole = model.history;
  const NameNumbers name = [pane, window](const HistoryView& known, const SelectorLists& lists) {
    // The analyses read a history whose newest draw is the last one known.
    History shorter = *known.history;
    shorter.DrawCount = known.DrawCount;
    return pane == Pane::PronosticoM1 ? CycleForecast(shorter, lists).named
                                      : SummaryForecast(shorter, lists, window).named;
  };
  std::optional<ForecastReplay> replay = ReplayForecasts(whole, steps, name, progress);
  if (!replay) return std::nullopt;
  const ForecastSource source = pane == Pane::PronosticoM1 ? ForecastSource::Cycle : ForecastSource::Summary;
  return ForecastComparison{std::move(*replay), source, draws <= 0 ? ForecastWindowDraws(model) : draws,
                            ForecastWindowDraws(model)};
}

std::optional<ChanceTexts> CompareForecastWithChanceTexts(const WindowModel& model, int pane,
                                                          const ReplayProgress& progress) {
  const std::optional<ForecastComparison> result = CompareForecastWithChance(model, pane, 0, progress);
  if (!result) return std::nullopt;
  return ChanceTexts{ForecastChanceSentence(*result), ForecastChanceTable(*result)};
}

}  // namespace tombolix
