#include "app/control_colours.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <algorithm>

namespace tombolix {

// The Clear command: back to the start pane, or, when a reload is pending,
// everything derived from the history is dropped and the history read again.
void TombolixApp::Limpiar() {
  if (Ending(model_)) return;
  CancelAutoScroll();
  model_.CboLoteria.selecting = true;
  model_.Cmd(Command::Combinaciones).backColour = ControlColour::Combinaciones;
  model_.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIa;
  LlenarListaAnalisis();
  ShowReportPane(Pane::Start);
  if (model_.ReloadPending()) {
    ClearForReload();
    FillLotteryList();
    LoadHistory();
  } else {
    model_.focus = Focus{FocusTarget::LstFormula, 0};
    for (int p = 1; p <= model_.history.PositionCount; ++p) {
      model_.CboBal[static_cast<size_t>(p)].text = QStringLiteral("B") + QString::number(p);
    }
    ShowStartPane();
    model_.LblAjuste.caption.clear();
  }
  model_.CboLoteria.selecting = false;
}

void TombolixApp::ClearForReload() {
  WindowModel& m = model_;
  TakeNextHistoryFolder();
  m.LblAjuste.caption = Msg(TxtCargando);
  m.SetReloadPending(false);
  m.Cmd(Command::Reiniciar).backColour = ControlColour::Reiniciar;
  for (int k = 1; k <= kMaxPositions; ++k) {
    SelectorState& selector = m.CboBal[static_cast<size_t>(k)];
    selector.items.clear();
    selector.text = QStringLiteral("--");
  }
  for (ReportPane& pane : m.RtfReporte) pane.report.SetText(QStringLiteral(" "));
  // The M2 panes forget which map of their pair was shown last.
  for (const PaneRow& row : PaneTable()) {
    if (row.isM2) m.SetShowsM2Last(row.pane, false);
  }
  m.PointMapsAt(0, 0);
  m.LblMapas[0].backColour = ControlColour::MapShown;
  m.LblMapas[1].backColour = ControlColour::MapOther;
  m.CboLoteria.items.clear();
  m.CboLoteria.fileNames.clear();
  m.CboLoteria.currentIndex = -1;
  m.history = History();
  ++m.historyGeneration;
  m.arrays.Reset();
  // The generated list and the generator's tests belong to the history just dropped.
  lists_.ForgetGenerator();
  // The list goes with the history; the lines of the last run that hit stay for map M2.
  m.combinations = CombinationList();
}

// Called by a computation that found the stop request set; the computation
// returns at once afterwards. While the program is closing it only returns.
void TombolixApp::AbortAnalysis() {
  if (Ending(model_)) return;
  // A computation stopped while the minimised window's caption showed its
  // progress gives the caption back.
  model_.caption = savedCaption_;
  EnableControls(true);
  model_.SetReloadPending(true);
  Limpiar();
  model_.StopRequested = false;
}

// Waits `seconds` while the window keeps processing its events. It waits for
// events in short slices rather than polling, so a long pause keeps no core busy.
void TombolixApp::Pause(int seconds) {
  const qint64 start = platform_.NowMs();
  const qint64 wait = qint64{seconds} * 1000;
  for (qint64 left = wait; left > 0 && !Ending(model_); left = wait - (platform_.NowMs() - start)) {
    constexpr qint64 kSliceMs = 50;
    platform_.WaitForEvents(static_cast<int>(std::min(left, kSliceMs)));
  }
}

}  // namespace tombolix
