#include "combinations/mapa_combinaciones.h"

#include "analyses/pronostico_ciclo.h"
#include "analyses/report_lines.h"
#include "combinations/combination_lines.h"
#include "history/two_digits.h"

#include <algorithm>

namespace tombolix {

namespace {

// Whether n is a due value of the most frequent third among the forecast elements of a position.
bool IsTopForecast(const QStringList& elements, int n) {
  const int filled = FilledCount(elements);
  for (int e = 0; e < filled; ++e) {
    const QString& element = elements[e];
    if (element.size() < 3 || element.at(2) != u'%') return false;
    if (TwoDigitValueAt(element, 0) == n) return true;
  }
  return false;
}

QString MapLine(const QString& source, const PositionTextArrays& forecast, int positionCount) {
  QString line = source.left(kCombinationPrefix);
  for (int k = 1; k <= positionCount; ++k) {
    // A field that is not two digits reads as 0.
    const int n = std::max(0, TwoDigitValueAt(source, kCombinationPrefix + 3 * (k - 1)));
    AppendTwoDigits(line, n);
    line.append(IsTopForecast(forecast[static_cast<size_t>(k)], n) ? u'?' : u' ');
  }
  return line;
}

}  // namespace

bool HoldsSavedList(const QStringList& LineasCombLimpias) {
  return std::any_of(LineasCombLimpias.begin(), LineasCombLimpias.end(),
                     [](const QString& line) { return !line.isEmpty(); });
}

void MapaCombinaciones(const HistoryView& view, const SelectorLists& lists, const QStringList& LineasCombLimpias,
                       PositionTextArrays& forecast, ReportText& report, StepHooks& hooks) {
  PronosticoCicloSilent(view, lists, forecast);
  if (!HoldsSavedList(LineasCombLimpias)) return;
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const int count = static_cast<int>(LineasCombLimpias.size());
  for (int i = 1; i <= count; ++i) {
    hooks.Step();
    hooks.Progress(i * 100 / count, i == count);
    const QString& source = LineasCombLimpias[i - 1];
    if (i > 1 && QStringView(LineasCombLimpias[i - 2]).mid(kCombinationPrefix, 2) !=
                     QStringView(source).mid(kCombinationPrefix, 2)) {
      report.Append(kCrLf);
    }
    QString line = MapLine(source, forecast, positionCount);
    line.append(kCrLf);
    report.Append(line);
  }
  report.Append(kCrLf);
}

}  // namespace tombolix
