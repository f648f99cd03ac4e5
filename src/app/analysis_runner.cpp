#include "analyses/ciclo_aparicion.h"
#include "analyses/consecutive_numbers.h"
#include "analyses/even_odd_maps.h"
#include "analyses/frequency.h"
#include "analyses/ley_del_tercio.h"
#include "analyses/prime_maps.h"
#include "analyses/pronostico_ciclo.h"
#include "analyses/repeated_numbers.h"
#include "app/tombolix_app.h"
#include "reports/colour_marks.h"

#include <array>

namespace tombolix {

namespace {

// The panes whose reports ComputePane builds.
bool HasAnalysis(int pane) {
  switch (pane) {
    case Pane::Frecuencia:
    case Pane::MapaFrecuenciaM1:
    case Pane::LeyTercio:
    case Pane::CicloAparicion:
    case Pane::PronosticoM1:
    case Pane::Consecutivos:
    case Pane::Repetidos:
    case Pane::ParesImparesM1:
    case Pane::MapaFrecuenciaM2:
    case Pane::PrimosM1:
    case Pane::ParesImparesM2:
    case Pane::PrimosM2:
    case Pane::PronosticoM2:
      return true;
    default:
      return false;
  }
}

// The analyses of ComputePane that run straight through.
void RunAnalysis(int pane, const History& history, WindowModel& model, ReportText& report, StepHooks& hooks) {
  const HistoryView view(history);
  const SelectorLists lists = model.SelectorValues();
  const int window = model.AnalysisWindow;
  AnalysisArrays& arrays = model.arrays;
  switch (pane) {
    case Pane::Frecuencia:
      return ComputeFrequency(view, lists, report, hooks);
    case Pane::MapaFrecuenciaM2:
      return FrequencyMapM2(arrays, view.PositionCount, report, hooks);
    case Pane::LeyTercio:
      return LeyDelTercio(view, lists, report, hooks);
    case Pane::CicloAparicion:
      return CicloAparicion(view, lists, report, hooks);
    case Pane::PronosticoM1:
      return PronosticoCiclo(view, lists, report, hooks);
    case Pane::PronosticoM2:
      return MapaPronosticoCiclo(view, lists, window, arrays.ForecastArrays, report, hooks);
    case Pane::Consecutivos:
      return ConsecutiveNumbers(view, report, hooks);
    case Pane::Repetidos:
      return RepeatedNumbers(view, report, hooks);
    case Pane::ParesImparesM1:
      return EvenOddMapM1(view, window, arrays, report, hooks);
    case Pane::ParesImparesM2:
      return EvenOddMapM2(arrays, view.PositionCount, report, hooks);
    case Pane::PrimosM1:
      return MapaPrimos(view, window, arrays, report, hooks);
    case Pane::PrimosM2:
      return GruposPrimos(arrays, view.PositionCount, report, hooks);
    default:
      return;
  }
}

}  // namespace

// Computes the report of `pane` into it: busy state, the analysis (its text
// grows while the window yields), the colour passes, idle state. A pane
// without an analysis here is left as it is.
void TombolixApp::ComputePane(int pane) {
  if (!HasAnalysis(pane)) return;
  EnableControls(false);
  ReportText& report = model_.RtfReporte[static_cast<size_t>(pane)].report;
  report.SetDefaultStyle(CharStyle{kDefaultTextColour, false});
  report.Clear();
  // A shallow copy: the analysis keeps reading the draws it started with
  // whatever happens to the window's history while it yields.
  const History history = model_.history;
  const int positions = history.PositionCount;

  if (pane == Pane::MapaFrecuenciaM1) {
    std::array<QString, kMaxPositions + 1> texts;
    for (int k = 1; k <= positions; ++k) texts[static_cast<size_t>(k)] = model_.CboBal[static_cast<size_t>(k)].text;
    if (FrequencyMapM1(history, model_.AnalysisWindow, model_.arrays, report, *this) == AnalysisOutcome::Stopped) {
      AbortAnalysis();
      return;
    }
    // The replay leaves the selector lists as the whole history makes them.
    FillSelectors(0, history.DrawCount);
    ColourPane(report, pane, positions, *this);
    for (int k = 1; k <= positions; ++k) model_.CboBal[static_cast<size_t>(k)].text = texts[static_cast<size_t>(k)];
    EnableControls(true);
    platform_.Beep();
    return;
  }

  RunAnalysis(pane, history, model_, report, *this);
  ColourPane(report, pane, positions, *this);
  EnableControls(true);
}

}  // namespace tombolix
