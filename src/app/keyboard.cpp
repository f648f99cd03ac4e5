#include "app/command_log.h"
#include "app/key_codes.h"
#include "app/key_table.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"

#include <algorithm>

namespace tombolix {

namespace {

// A key that stands for a control acts only while that control is enabled:
// after a rejected history the window is idle, but its selectors, list and
// buttons are disabled and the model is half loaded.
bool ControlEnabled(const WindowModel& m, const KeyRow& row) {
  switch (row.action) {
    case KeyAction::FocusSelector:
      return m.CboBal[static_cast<size_t>(row.argument)].enabled;
    case KeyAction::Command:
      // Escape is LIMPIAR whatever its button shows.
      return row.keyCode == KeyCode::Escape || m.CmdFuncion[static_cast<size_t>(row.argument)].enabled;
    case KeyAction::ListRow:
      return m.LstFormula.enabled && m.LstFormula.visible;
    case KeyAction::MapButton: {
      const LabelState& map = m.LblMapas[static_cast<size_t>(row.argument)];
      return map.enabled && map.visible;
    }
    default:
      return true;
  }
}

const char* ActionName(KeyAction action) {
  switch (action) {
    case KeyAction::None:
      return "nothing";
    case KeyAction::FocusSelector:
      return "focus to selector";
    case KeyAction::Command:
      return "command";
    case KeyAction::ListRow:
      return "list row";
    case KeyAction::MapButton:
      return "map button";
    case KeyAction::OpenConfiguration:
      return "configuration file";
    case KeyAction::OpenReadme:
      return "read-me";
    case KeyAction::HelpVideoLink:
      return "help-video link";
    case KeyAction::DonationLink:
      return "donation link";
    case KeyAction::BuscarHistoriales:
      return "history downloads";
    case KeyAction::AutoScroll:
      return "auto-scroll";
  }
  return "nothing";
}

}  // namespace

// The window sees every key before the control with the focus. While idle
// the key table acts; while a computation runs, Escape asks it to stop.
KeyEffect TombolixApp::KeyDown(int keyCode, int modifiers) {
  if (Ending(model_)) return {};
  // A key pressed over the warning only hides it.
  if (WarningShown(model_) && !model_.busy) {
    HideWarning();
    return {};
  }
  KeyEffect effect;
  const bool idle = !model_.busy && model_.CboLoteria.enabled;
  if (const KeyRow* row = idle ? FindKey(keyCode, modifiers) : nullptr; row && ControlEnabled(model_, *row)) {
    effect = KeyEffect{row->action, row->argument};
  }
  QString what = QLatin1String(ActionName(effect.action));
  if (effect.action != KeyAction::None) what += u' ' + QString::number(effect.argument);
  qCInfo(lcCommands).nospace().noquote() << "key " << keyCode << "+" << modifiers << ": " << what;
  RunKeyAction(effect);
  if (keyCode == KeyCode::Escape && model_.busy && !Ending(model_)) RequestStopOnListedPane();
  return effect;
}

void TombolixApp::RunKeyAction(const KeyEffect& effect) {
  switch (effect.action) {
    case KeyAction::None:
      break;
    case KeyAction::FocusSelector:
      model_.focus = Focus{FocusTarget::CboBal, effect.argument};
      break;
    case KeyAction::Command:
      RunCommand(static_cast<Command>(effect.argument));
      break;
    case KeyAction::ListRow:
      LstFormula_Click(effect.argument);
      break;
    case KeyAction::MapButton:
      LblMapas_Click(effect.argument);
      break;
    case KeyAction::OpenConfiguration:
      OpenConfigurationFile();
      break;
    case KeyAction::OpenReadme:
      OpenReadme();
      break;
    case KeyAction::HelpVideoLink:
      OpenLink(WebLink::HelpVideo);
      break;
    case KeyAction::DonationLink:
      OpenLink(WebLink::Donation);
      break;
    case KeyAction::BuscarHistoriales:
      BuscarHistoriales();
      break;
    case KeyAction::AutoScroll:
      StartAutoScroll();
      break;
  }
}

// Only the computations that watch the stop request can be stopped; the
// request is made only while one runs, so an idle Escape never leaves one
// behind for the next report.
void TombolixApp::RequestStopOnListedPane() {
  const std::span<const PaneRow> panes = PaneTable();
  const bool stoppable = std::any_of(panes.begin(), panes.end(), [&](const PaneRow& row) {
    return row.escapeStops && model_.RtfReporte[static_cast<size_t>(row.pane)].visible;
  });
  if (stoppable) model_.StopRequested = true;
}

// Letters typed while the analysis list has the focus never move its
// selection: the window's key handler has already acted on them.
bool TombolixApp::LstFormula_KeyPress(QChar c) {
  qCInfo(lcCommands).nospace() << "analysis list: typed character " << c.unicode() << " dropped";
  return false;
}

}  // namespace tombolix
