#include "analyses/analisis_ia.h"

#include "analyses/prediccion_clase.h"
#include "analyses/report_layout.h"
#include "history/prime.h"

#include <bitset>

namespace tombolix {

namespace {

const QString kNoCode = QStringLiteral("--?");

// What the summary reads from the source panes.
struct SummarySources {
  QStringList frequency;
  ValueLineIndex thirds;
  ValueLineIndex cycles;
  ValueLineIndex forecast;
  DrawLineMarks consecutive;
  QStringList evenOdd;
  QStringList primes;
  std::bitset<256> newest;  // numbers of the newest draw at positions 1..PositionCount
};

SummarySources ReadSources(const PaneTexts& panes, const HistoryView& view) {
  SummarySources s{VisitedLines(panes[Pane::Frecuencia]),
                   ValueLineIndex(VisitedLines(panes[Pane::LeyTercio])),
                   ValueLineIndex(VisitedLines(panes[Pane::CicloAparicion])),
                   ValueLineIndex(VisitedLines(panes[Pane::PronosticoM1])),
                   DrawLineMarks(VisitedLines(panes[Pane::Consecutivos]), u'+'),
                   VisitedLines(panes[Pane::ParesImparesM1]),
                   VisitedLines(panes[Pane::PrimosM1]),
                   {}};
  if (view.DrawCount >= 1) {
    for (int k = 1; k <= view.PositionCount; ++k) s.newest.set(view.P(k, view.DrawCount));
  }
  return s;
}

// The position being summarised and the classes predicted for it.
struct PositionState {
  QString label;
  int p = 0;
  bool evenPredicted = false;
  bool primePredicted = false;
};

// The value agrees with the parity or the primality predicted for its position.
bool Highlighted(int number, const PositionState& at) {
  const bool even = number % 2 == 0;
  const bool prime = ClasePrimo(static_cast<quint8>(number)) == u'+';
  return (even == at.evenPredicted) || (prime && at.primePredicted);
}

// A label line starts the next position: its predictions are made from the parity and prime maps.
void EnterPosition(QStringView v, const SummarySources& s, PositionState& at) {
  at.label = v.toString();
  at.p = LabelPosition(v);
  at.evenPredicted = PrediccionClase(s.evenOdd, at.label);
  at.primePredicted = PrediccionClase(s.primes, at.label);
}

QString MarkCode(const char* letters, const ValueLineIndex::Entry* entry) {
  return entry == nullptr ? kNoCode : QLatin1String(letters) + entry->mark;
}

QString SummaryLine(const QString& line, const SummarySources& s, const PositionState& at) {
  const QStringView v = QStringView(line).left(kLabelWidth);
  const int number = LeadingNumber(v);
  const int value = TwoDigitValueAt(v, 0);
  const bool even = number % 2 == 0;
  const bool prime = ClasePrimo(static_cast<quint8>(number)) == u'+';
  const bool highlighted = Highlighted(number, at);
  const QChar cycleMark = CycleMarkWithinMean(s.cycles, at.p, value);

  QString out = v.toString();
  out.append(highlighted ? u'%' : u'¡');
  out.append(kArrow);
  out.append(QLatin1String("FR"));
  if (line.size() > kValueLineMarkIndex) out.append(line[kValueLineMarkIndex]);
  out.append(MarkCode("LT", s.thirds.Find(at.p, value)));
  out.append(u' ');
  out.append(cycleMark.isNull() ? kNoCode : QLatin1String("CA") + cycleMark);
  out.append(MarkCode("PC", s.forecast.Find(at.p, value)));
  out.append(u' ');
  out.append(s.consecutive.Has(at.p, value) ? QStringLiteral("CO&") : kNoCode);
  out.append(number < 256 && s.newest.test(static_cast<size_t>(number)) ? QStringLiteral("RE/") : kNoCode);
  out.append(even ? QStringLiteral("PA(") : kNoCode);
  out.append(prime ? QStringLiteral("PR)") : kNoCode);
  out.append(kCrLf);
  return out;
}

}  // namespace

AnalysisOutcome AnalisisIA(const PaneTexts& panes, const HistoryView& view, ReportText& report, StepHooks& hooks) {
  const SummarySources sources = ReadSources(panes, view);
  PositionState at;
  for (const QString& line : sources.frequency) {
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    const QStringView v = QStringView(line).left(kLabelWidth);
    if (v.contains(u'B')) EnterPosition(v, sources, at);
    if (!line.contains(u'>')) {
      report.Append(v);
      report.Append(kCrLf);
      continue;
    }
    report.Append(SummaryLine(line, sources, at));
  }
  return AnalysisOutcome::Done;
}

SummaryHighlights AnalisisIAHighlights(const PaneTexts& panes, const HistoryView& view) {
  const SummarySources sources = ReadSources(panes, view);
  SummaryHighlights out;
  PositionState at;
  for (const QString& line : sources.frequency) {
    const QStringView v = QStringView(line).left(kLabelWidth);
    if (v.contains(u'B')) EnterPosition(v, sources, at);
    if (!line.contains(u'>') || at.p < 1 || at.p > kMaxPositions) continue;
    const int number = LeadingNumber(v);
    if (number < 0 || number > 255) continue;
    const auto value = static_cast<quint8>(number);
    out.values[static_cast<size_t>(at.p)].push_back(value);
    if (Highlighted(number, at)) out.highlighted[static_cast<size_t>(at.p)].push_back(value);
  }
  return out;
}

}  // namespace tombolix
