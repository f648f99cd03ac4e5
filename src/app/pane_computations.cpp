#include "app/pane_computations.h"

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
#include "app/window_model.h"

namespace tombolix::pane_compute {

namespace {
constexpr AnalysisOutcome Done = AnalysisOutcome::Done;

}  // namespace

AnalysisOutcome Frecuencia(PaneJob& j) {
  ComputeFrequency(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome MapaFrecuenciaM1(PaneJob& j) {
  return FrequencyMapM1(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
}
AnalysisOutcome MapaFrecuenciaM2(PaneJob& j) {
  FrequencyMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome LeyTercio(PaneJob& j) {
  LeyDelTercio(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome Ciclo(PaneJob& j) {
  CicloAparicion(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome PronosticoM1(PaneJob& j) {
  PronosticoCiclo(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome PronosticoM2(PaneJob& j) {
  MapaPronosticoCiclo(HistoryView(j.history), j.model.SelectorValues(), j.model.AnalysisWindow,
                      j.model.arrays.ForecastArrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome Consecutivos(PaneJob& j) {
  ConsecutiveNumbers(HistoryView(j.history), j.report, j.hooks);
  return Done;
}
AnalysisOutcome Repetidos(PaneJob& j) {
  RepeatedNumbers(HistoryView(j.history), j.report, j.hooks);
  return Done;
}
AnalysisOutcome ParesImparesM1(PaneJob& j) {
  EvenOddMapM1(HistoryView(j.history), j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome ParesImparesM2(PaneJob& j) {
  EvenOddMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome PrimosM1(PaneJob& j) {
  MapaPrimos(HistoryView(j.history), j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome HistorialAciertos(PaneJob& j) {
  const SelectorLists lists = j.model.SelectorValues();
  if (WinningHistoryNeedsReplay(lists, j.model.FullListCount, j.history.PositionCount)) {
    j.replayed = true;
    return WinningHistoryReplay(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  }
  return WinningHistory(HistoryView(j.history), lists, j.model.AnalysisWindow, j.report, j.hooks);
}
AnalysisOutcome MapaLeyTercioM1(PaneJob& j) {
  return ThirdLawMapM1(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
}
AnalysisOutcome MapaLeyTercioM2(PaneJob& j) {
  ThirdLawMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome PatronDeJugadas(PaneJob& j) { return PatronJugadas(HistoryView(j.history), j.report, j.hooks); }
AnalysisOutcome PrimosM2(PaneJob& j) {
  GruposPrimos(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}

}  // namespace tombolix::pane_compute
