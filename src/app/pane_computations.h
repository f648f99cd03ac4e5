#pragma once

#include "reports/step_hooks.h"

namespace tombolix {

struct History;
struct WindowModel;
class ReportText;

// What a pane's computation works with: the draws it started with (a snapshot
// that stays valid while the window yields), the window's state (selector
// lists, the arrays analyses leave for each other), the pane's report and the
// step hooks.
struct PaneJob {
  const History& history;
  WindowModel& model;
  ReportText& report;
  StepHooks& hooks;
  bool replayed = false;  // set by a computation that chose to replay (finishes as Finish::Replay)
};
using PaneCompute = AnalysisOutcome (*)(PaneJob&);

// The computation of each report pane written by an analysis, named as the
// pane table names it.
namespace pane_compute {
AnalysisOutcome Frecuencia(PaneJob& j);
AnalysisOutcome MapaFrecuenciaM1(PaneJob& j);
AnalysisOutcome MapaFrecuenciaM2(PaneJob& j);
AnalysisOutcome LeyTercio(PaneJob& j);
AnalysisOutcome Ciclo(PaneJob& j);
AnalysisOutcome PronosticoM1(PaneJob& j);
AnalysisOutcome PronosticoM2(PaneJob& j);
AnalysisOutcome Consecutivos(PaneJob& j);
AnalysisOutcome Repetidos(PaneJob& j);
AnalysisOutcome ParesImparesM1(PaneJob& j);
AnalysisOutcome ParesImparesM2(PaneJob& j);
AnalysisOutcome PrimosM1(PaneJob& j);
AnalysisOutcome HistorialAciertos(PaneJob& j);
AnalysisOutcome MapaLeyTercioM1(PaneJob& j);
AnalysisOutcome MapaLeyTercioM2(PaneJob& j);
AnalysisOutcome PatronDeJugadas(PaneJob& j);
AnalysisOutcome PrimosM2(PaneJob& j);
}  // namespace pane_compute

}  // namespace tombolix
