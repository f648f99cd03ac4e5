#include "analyses/anotar_seleccion.h"

#include "analyses/report_layout.h"
#include "history/prime.h"
#include "reports/panes.h"

#include <bitset>

namespace tombolix {

namespace {

const QString kNoCode = QStringLiteral("--?");

// What the verdict lines read from the source panes.
struct VerdictSources {
  ValueLineIndex frequency;
  ValueLineIndex thirds;
  ValueLineIndex cycles;
  ValueLineIndex forecast;
  ValueLineIndex summary;
  DrawLineMarks consecutive;
  std::bitset<256> compared;  // numbers of the draw RE* compares with
};

VerdictSources ReadSources(quint8 pane, const HistoryView& view, const PaneTexts& panes) {
  VerdictSources s{ValueLineIndex(VisitedLines(panes[Pane::Frecuencia])),
                   ValueLineIndex(VisitedLines(panes[Pane::LeyTercio])),
                   ValueLineIndex(VisitedLines(panes[Pane::CicloAparicion])),
                   ValueLineIndex(VisitedLines(panes[Pane::PronosticoM1])),
                   ValueLineIndex(VisitedLines(panes[Pane::ResumenIA])),
                   DrawLineMarks(VisitedLines(panes[Pane::Consecutivos]), u'+'),
                   {}};
  // The newest draw, or in last-draw mode the one before it (none with a single draw).
  const int d = pane == Pane::PatronUltimoSorteo ? view.DrawCount - 1 : view.DrawCount;
  if (d >= 1) {
    for (int k = 1; k <= view.PositionCount; ++k) s.compared.set(view.P(k, d));
  }
  return s;
}

void AppendMarkCode(QString& out, const char* letters, const ValueLineIndex::Entry* entry) {
  if (entry == nullptr) {
    out.append(kNoCode);
    return;
  }
  out.append(QLatin1String(letters));
  out.append(entry->mark);
}

QString VerdictLine(int p, const SearchSelection& selection, const VerdictSources& s) {
  const int n = selection.value[static_cast<size_t>(p)];
  const ValueLineIndex::Entry* summary = s.summary.Find(p, n);
  const QChar cycleMark = CycleMarkWithinMean(s.cycles, p, n);
  QString out = selection.text[static_cast<size_t>(p)];
  out.append(summary == nullptr ? QChar(u'¡') : summary->mark);
  out.append(kArrow);
  AppendMarkCode(out, "FR", s.frequency.Find(p, n));
  AppendMarkCode(out, "LT", s.thirds.Find(p, n));
  out.append(u' ');
  out.append(cycleMark.isNull() ? kNoCode : QLatin1String("CA") + cycleMark);
  AppendMarkCode(out, "PC", s.forecast.Find(p, n));
  out.append(u' ');
  out.append(s.consecutive.Has(p, n) ? QStringLiteral("CO&") : kNoCode);
  out.append(n < 256 && s.compared.test(static_cast<size_t>(n)) ? QStringLiteral("RE*") : kNoCode);
  out.append(n % 2 == 0 ? QStringLiteral("PA_") : kNoCode);
  out.append(n < 256 && ClasePrimo(static_cast<quint8>(n)) == u'+' ? QStringLiteral("PR=") : kNoCode);
  out.append(kCrLf);
  return out;
}

}  // namespace

void AnotarSeleccion(quint8 pane, const SearchSelection& selection, const HistoryView& view, const PaneTexts& panes,
                     ReportText& report) {
  const VerdictSources sources = ReadSources(pane, view, panes);
  QString block;
  for (int p = 1; p <= view.PositionCount; ++p) {
    if (selection.IsNumber(p)) block.append(VerdictLine(p, selection, sources));
  }
  block.append(kCrLf);
  block.append(kCrLf);
  report.Append(block);
}

}  // namespace tombolix
