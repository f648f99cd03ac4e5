#include "analyses/buscar_parecidos.h"

#include "analyses/anotar_seleccion.h"
#include "analyses/report_layout.h"
#include "reports/panes.h"

#include <algorithm>

namespace tombolix {

namespace {

// Looks for the number chosen at position p in the columns of draw d.
void CompareChosen(const HistoryView& view, int d, const SearchSelection& selection, int p, DrawResemblance& r,
                   std::array<int, kMaxPositions>& counted, int& countedSize) {
  const int wanted = selection.value[static_cast<size_t>(p)];
  for (int q = 1; q <= view.PositionCount; ++q) {
    QChar& mark = r.marks[static_cast<size_t>(q)];
    if (selection.kind[static_cast<size_t>(q)] == SelectionKind::Emptied) continue;
    if (view.P(q, d) != wanted || mark == u']') continue;
    if (q == p) {
      mark = u']';
      ++r.exact;
      continue;
    }
    mark = u'[';
    const auto end = counted.begin() + countedSize;
    if (std::find(counted.begin(), end, wanted) == end) {
      counted[static_cast<size_t>(countedSize++)] = wanted;
      ++r.elsewhere;
    }
  }
}

}  // namespace

DrawResemblance CompareDraw(const HistoryView& view, int d, const SearchSelection& selection) {
  DrawResemblance r;
  r.marks.fill(u'{');
  std::array<int, kMaxPositions> counted{};  // chosen numbers already counted as elsewhere
  int countedSize = 0;
  for (int p = 1; p <= view.PositionCount; ++p) {
    const SelectionKind kind = selection.kind[static_cast<size_t>(p)];
    if (kind != SelectionKind::Number) {
      if (kind == SelectionKind::Emptied) r.marks[static_cast<size_t>(p)] = u'}';
      ++r.free;
      continue;
    }
    const int before = r.exact + r.elsewhere;
    CompareChosen(view, d, selection, p, r, counted, countedSize);
    if (r.exact + r.elsewhere == before) r.missing = true;
  }
  return r;
}

QString ResemblingDrawLine(const HistoryView& view, int d, const DrawResemblance& r) {
  const int selected = view.PositionCount - r.free;
  QString line;
  line.reserve(kDrawLineDateWidth + 5 + 3 * view.PositionCount);
  AppendDrawLineStart(line, view.Date(d));
  for (int p = 1; p <= view.PositionCount; ++p) {
    QChar mark = r.marks[static_cast<size_t>(p)];
    if (r.exact == selected) {
      if (mark == u']') mark = u';';
    } else if (r.elsewhere == selected) {
      if (mark == u'[') mark = u':';
    } else if (r.exact + r.elsewhere == selected && !r.missing) {
      if (mark == u']' || mark == u'[') mark = u':';
    }
    AppendTwoDigits(line, view.P(p, d));
    line.append(mark);
  }
  line.append(kCrLf);
  return line;
}

AnalysisOutcome BuscarParecidos(quint8 pane, const HistoryView& view, const SelectorTexts& selectorTexts,
                                const PaneTexts& panes, ReportText& report, StepHooks& hooks) {
  const bool lastDraw = pane == Pane::PatronUltimoSorteo;
  const SearchSelection selection =
      lastDraw ? SelectionFromLastDraw(view) : SelectionFromSelectors(selectorTexts, view.PositionCount);
  AnotarSeleccion(pane, selection, view, panes, report);
  const int minimum = MinimumResemblance(selection, view.PositionCount);
  QString results;
  int found = 0;
  for (int d = view.DrawCount; d >= 1; --d) {
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    hooks.Progress(95 - static_cast<int>(qint64{d} * 95 / view.DrawCount), false);
    const DrawResemblance r = CompareDraw(view, d, selection);
    if (r.exact + r.elsewhere < minimum) continue;
    ++found;
    results.append(ResemblingDrawLine(view, d, r));
  }
  if (found > 0) {
    results.append(kCrLf);
    report.Append(results);
  }
  const QString text = QString::number(found) + QStringLiteral(" sorteo(s) parecido(s)");
  report.Append(QString((38 - static_cast<int>(text.size())) / 2, u' ') + text + kCrLf);
  return AnalysisOutcome::Done;
}

}  // namespace tombolix
