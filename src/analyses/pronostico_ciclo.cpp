#include "analyses/pronostico_ciclo.h"

#include "analyses/ciclo_aparicion.h"
#include "analyses/report_lines.h"

#include <vector>

namespace tombolix {

namespace {

struct DueValue {
  quint8 value = 0;
  QChar mark;
  int cycle = 0;
};

// The due candidates of position p, in list order.
std::vector<DueValue> DueValues(const HistoryView& view, const std::vector<quint8>& list, int p) {
  const std::array<CycleCounts, 256> counts = ScanCycles(view, p);
  const int n = static_cast<int>(list.size());
  std::vector<DueValue> due;
  for (int r = 1; r <= n; ++r) {
    const quint8 value = list[static_cast<size_t>(r - 1)];
    const CycleCounts& c = counts[value];
    const int cycle = c.AverageCycle();
    if (c.appearances > 1 && c.absence >= cycle) due.push_back({value, RankClass(r, n), cycle});
  }
  return due;
}

// Mark of number x at a position: that of the first forecast element with its value, else "&".
QChar ForecastMark(const QStringList& elements, quint8 x) {
  const int filled = FilledCount(elements);
  for (int i = 0; i < filled; ++i) {
    const QString& e = elements[i];
    if (e.size() >= 3 && TwoDigitValueAt(e, 0) == x) return e.at(2);
  }
  return u'&';
}

}  // namespace

void PronosticoCiclo(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks) {
  for (int p = 1; p <= view.PositionCount; ++p) {
    hooks.Step();
    QString text = QStringLiteral("B") + QString::number(p);
    for (const DueValue& v : DueValues(view, lists[static_cast<size_t>(p)], p)) {
      text.append(kCrLf);
      AppendValueLine(text, v.value, v.mark, v.cycle);
    }
    text.append(kCrLf);
    text.append(kCrLf);
    report.Append(text);
  }
}

void PronosticoCicloSilent(const HistoryView& view, const SelectorLists& lists, PositionTextArrays& forecast) {
  for (QStringList& elements : forecast) elements = QStringList{QString()};
  for (int p = 1; p <= view.PositionCount; ++p) {
    QStringList& elements = forecast[static_cast<size_t>(p)];
    elements.clear();
    for (const DueValue& v : DueValues(view, lists[static_cast<size_t>(p)], p)) {
      QString e;
      AppendTwoDigits(e, v.value);
      e.append(v.mark);
      elements.append(e);
    }
    elements.append(QString());
  }
}

SelectorLists DueNumbers(const HistoryView& view, const SelectorLists& lists) {
  SelectorLists due;
  for (int p = 1; p <= view.PositionCount; ++p) {
    for (const DueValue& v : DueValues(view, lists[static_cast<size_t>(p)], p)) {
      due[static_cast<size_t>(p)].push_back(v.value);
    }
  }
  return due;
}

void MapaPronosticoCiclo(const HistoryView& view, const SelectorLists& lists, int analysisWindow,
                         PositionTextArrays& forecast, ReportText& report, StepHooks& hooks) {
  PronosticoCicloSilent(view, lists, forecast);
  if (analysisWindow > 0) {
    const int oldest = view.WindowStart(analysisWindow);
    for (int d = view.DrawCount; d >= oldest; --d) {
      hooks.Step();
      QString line =
          DrawLine(view, d, [&](int k) { return ForecastMark(forecast[static_cast<size_t>(k)], view.P(k, d)); });
      line.append(kCrLf);
      report.Append(line);
    }
  }
  report.Append(kCrLf);
}

}  // namespace tombolix
