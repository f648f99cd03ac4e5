#include "app/pane_table.h"
#include "app/tombolix_app.h"

#include <array>

namespace tombolix {

// Computes the report of `pane` into it: busy state, the computation (its text
// grows while the window yields), the colour passes, idle state. A pane whose
// report comes from a command is left as it is. A stop request found at any
// step, the colour passes included, ends the run through the stop routine,
// which reloads the history: no half-made or half-coloured report is kept.
void TombolixApp::ComputePane(int pane) {
  if (!IsPaneIndex(pane)) return;
  const PaneRow& row = PaneInfo(pane);
  switch (row.routine) {
    case PaneRoutine::SimilarToLastDraw:
      BuscarParecidos(Pane::PatronUltimoSorteo);
      return;
    case PaneRoutine::AiSummary:
      AnalisisIA();
      return;
    case PaneRoutine::BackTest:
      lists_.PruebaGenerador();
      return;
    case PaneRoutine::ListMap:
      lists_.MapaCombinacionesRun();
      return;
    case PaneRoutine::None:
      break;
  }
  if (row.compute == nullptr) return;
  EnableControls(false);
  ReportText& report = model_.RtfReporte[static_cast<size_t>(pane)].report;
  report.SetDefaultStyle(CharStyle{kDefaultTextColour, false});
  report.Clear();
  // A shallow copy: the computation keeps reading the draws it started with
  // whatever happens to the window's history while it yields.
  const History history = model_.history;
  const int positions = history.PositionCount;
  std::array<QString, kMaxPositions + 1> selectorTexts;
  for (int k = 1; k <= positions; ++k)
    selectorTexts[static_cast<size_t>(k)] = model_.CboBal[static_cast<size_t>(k)].text;

  PaneJob job{history, model_, report, *this};
  if (row.compute(job) == AnalysisOutcome::Stopped) {
    AbortAnalysis();
    return;
  }
  const bool replay = row.finish == Finish::Replay || job.replayed;
  // A replay leaves the selector lists as its last step made them.
  if (replay) FillSelectors(0, history.DrawCount);
  if (ColourPasses(report, row.colouring, positions, *this) == AnalysisOutcome::Stopped) {
    AbortAnalysis();
    return;
  }
  if (replay) {
    for (int k = 1; k <= positions; ++k)
      model_.CboBal[static_cast<size_t>(k)].text = selectorTexts[static_cast<size_t>(k)];
  }
  // A stoppable run that showed its progress in the minimised caption gives it back.
  model_.caption = savedCaption_;
  EnableControls(true);
  if (replay) platform_.Beep();
}

}  // namespace tombolix
