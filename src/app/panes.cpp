#include "app/command_log.h"
#include "app/control_colours.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "reports/start_pane.h"

namespace tombolix {

void TombolixApp::ShowReportPane(int pane) {
  if (!IsPaneIndex(pane)) return;
  HideWarning();
  qCInfo(lcCommands) << "pane" << pane << "shown";
  for (int i = 0; i < kPaneCount; ++i) model_.RtfReporte[static_cast<size_t>(i)].visible = (i == pane);
  model_.visiblePane = pane;

  auto& maps = model_.LblMapas;
  if (!IsMapPane(pane)) {
    maps[0].visible = false;
    maps[1].visible = false;
    return;
  }
  // The M2 pane of the current pair remembers which map of the pair was shown last.
  const int m2Pane = maps[1].pane;
  const bool m2Last = IsPaneIndex(m2Pane) && model_.ShowsM2Last(m2Pane);
  maps[0].backColour = m2Last ? ControlColour::MapOther : ControlColour::MapShown;
  maps[1].backColour = m2Last ? ControlColour::MapShown : ControlColour::MapOther;
  if (!model_.AiRunning()) {
    maps[0].visible = true;
    maps[1].visible = true;
  }
}

void TombolixApp::EnableControls(bool enabled) {
  WindowModel& m = model_;
  // Whatever the window does next, the warning after map M2 has had its time.
  HideWarning();
  if (!enabled) {
    for (int k = 1; k <= kMaxPositions; ++k) m.CboBal[static_cast<size_t>(k)].enabled = false;
    for (int i : {0, 1, 2, 3, 4, 5, 7}) m.CmdFuncion[static_cast<size_t>(i)].enabled = false;
    m.Cmd(Command::Reiniciar).tabStop = false;
    m.CboLoteria.enabled = false;
    m.LstFormula.enabled = false;
    // The pane about to receive a report starts empty, new text in dark grey.
    if (IsPaneIndex(m.visiblePane)) {
      ReportText& report = m.RtfReporte[static_cast<size_t>(m.visiblePane)].report;
      report.SetDefaultStyle(CharStyle{kDefaultTextColour, false});
      report.Clear();
    }
    m.RtfFondo.visible = true;
    m.LblMapas[0].enabled = false;
    m.LblMapas[1].enabled = false;
    m.busy = true;
    return;
  }
  if (!m.AiRunning()) {
    for (int k = 1; k <= kMaxPositions; ++k) {
      m.CboBal[static_cast<size_t>(k)].enabled = k <= m.history.PositionCount;
    }
    for (int i : {0, 1, 2, 3, 4, 5, 7}) m.CmdFuncion[static_cast<size_t>(i)].enabled = true;
    m.Cmd(Command::Reiniciar).tabStop = true;
    m.CboLoteria.enabled = true;
    m.RtfFondo.visible = false;
    m.LblMapas[0].enabled = true;
    m.LblMapas[1].enabled = true;
    // Back to idle: a stop request that no computation consumed must not
    // stop (or strip the colours of) the next report.
    if (m.busy) qCInfo(lcCommands) << "window idle";
    m.busy = false;
    m.StopRequested = false;
  }
  m.LblAjuste.caption.clear();
  m.LstFormula.enabled = true;
  m.focus = Focus{FocusTarget::LstFormula, 0};
}

void TombolixApp::ShowStartPane() {
  EnableControls(false);
  ReportText& pane = model_.RtfReporte[Pane::Start].report;
  if (!PaneZeroHoldsStartText(model_)) {
    pane.SetText(StartPaneText(model_.history.DrawCount));
    pane.SetAllColour(kDefaultTextColour);
  }
  EnableControls(true);
}

}  // namespace tombolix
