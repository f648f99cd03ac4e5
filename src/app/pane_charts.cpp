#include "app/pane_charts.h"

#include "analyses/ciclo_aparicion.h"
#include "analyses/frequency.h"
#include "app/export_names.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "combinations/chance_baseline.h"

namespace tombolix {

namespace {

constexpr Rgb kBarGrey = MakeRgb(160, 160, 160);
constexpr Rgb kListRed = MakeRgb(255, 0, 0);

// The colour the pane's own passes give a mark, so bars look like the report.
Rgb MarkColour(int pane, QChar mark) {
  for (const MarkPass& pass : PaneInfo(pane).colouring.passes) {
    if (pass.mark == mark) return pass.colour;
  }
  return kDefaultTextColour;
}

using LinesOf = std::vector<ValueLine> (*)(const HistoryView&, const SelectorLists&, int);

PaneChart ValueChart(const WindowModel& m, int pane, LinesOf linesOf, const QString& yTitle) {
  PaneChart chart;
  const HistoryView view(m.history);
  const SelectorLists lists = m.SelectorValues();
  for (int k = 1; k <= view.PositionCount; ++k) {
    ChartTab tab{QStringLiteral("B") + QString::number(k), QStringLiteral("Número"), yTitle, QString(), {}};
    for (const ValueLine& line : linesOf(view, lists, k)) {
      tab.bars.push_back(
          {QString::number(line.value).rightJustified(2, u'0'), line.number, MarkColour(pane, line.mark)});
    }
    chart.tabs.push_back(std::move(tab));
  }
  return chart;
}

ChartTab BaselineTab(const ChanceBaseline& baseline, const ChanceFigures& figures, const QString& name) {
  ChartTab tab{name, QStringLiteral("Sorteos acertados"), QStringLiteral("Listas al azar"), QString(), {}};
  const int last = std::max(static_cast<int>(figures.hitDrawsHistogram.size()) - 1, baseline.listHitDraws);
  int first = baseline.listHitDraws;
  for (int i = 0; i < static_cast<int>(figures.hitDrawsHistogram.size()); ++i) {
    if (figures.hitDrawsHistogram[static_cast<size_t>(i)] > 0) {
      first = std::min(first, i);
      break;
    }
  }
  for (int i = first; i <= last; ++i) {
    const int count =
        i < static_cast<int>(figures.hitDrawsHistogram.size()) ? figures.hitDrawsHistogram[static_cast<size_t>(i)] : 0;
    if (i == baseline.listHitDraws) tab.markedBar = static_cast<int>(tab.bars.size());
    tab.bars.push_back({QString::number(i), count, i == baseline.listHitDraws ? kListRed : kBarGrey});
  }
  tab.note = QStringLiteral("La línea roja es su lista: acertó ") + SpanishCount(baseline.listHitDraws) +
             QStringLiteral(" sorteos. Las barras grises cuentan las ") + SpanishCount(baseline.randomLists) +
             QStringLiteral(" listas al azar del mismo tamaño según los sorteos que acertaron.");
  return tab;
}

// The chart's bars, from the same computations the report was written from.
std::optional<PaneChart> ChartOfPaneData(const TombolixApp& app, int pane, int randomLists, quint32 seed) {
  const WindowModel& m = app.Model();
  if (m.busy || !PaneInfo(pane).hasChart || m.history.DrawCount <= 0) return std::nullopt;
  const ReportText& report = m.RtfReporte[static_cast<size_t>(pane)].report;
  if (report.Text().isEmpty() || report.IsEmptyMarker()) return std::nullopt;
  if (pane == Pane::Frecuencia) {
    return ValueChart(m, pane, FrequencyLines, QStringLiteral("Veces en los últimos 100 sorteos"));
  }
  if (pane == Pane::CicloAparicion) return ValueChart(m, pane, CycleLines, QStringLiteral("Ciclo medio (sorteos)"));
  const std::optional<ChanceBaseline> baseline = app.Lists().CompareListWithChance(randomLists, seed);
  if (!baseline) return std::nullopt;
  PaneChart chart;
  chart.tabs.push_back(BaselineTab(*baseline, baseline->fromSelectors, QStringLiteral("Al azar desde las casillas")));
  chart.tabs.push_back(BaselineTab(*baseline, baseline->fromHistory, QStringLiteral("Al azar desde el historial")));
  return chart;
}

}  // namespace

std::optional<PaneChart> ChartOfPane(const TombolixApp& app, int pane, int randomLists, quint32 seed) {
  std::optional<PaneChart> chart = ChartOfPaneData(app, pane, randomLists, seed);
  if (chart) {
    chart->title = ReportHeading(app.Model(), pane);
    chart->historyGeneration = app.Model().historyGeneration;
  }
  return chart;
}

}  // namespace tombolix
