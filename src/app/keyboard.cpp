#include "app/key_codes.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

// How a binding reads the modifier state (Shift 1, Ctrl 2, Alt 4).
enum class Modifiers { Any, Exactly, AllBut };

struct KeyBinding {
  int keyCode;
  Modifiers rule;
  int modifiers;  // for Exactly and AllBut
  void (*action)(TombolixApp&);
};

bool Matches(const KeyBinding& binding, int keyCode, int modifiers) {
  if (binding.keyCode != keyCode) return false;
  switch (binding.rule) {
    case Modifiers::Any:
      return true;
    case Modifiers::Exactly:
      return modifiers == binding.modifiers;
    case Modifiers::AllBut:
      return modifiers != binding.modifiers;
  }
  return false;
}

// The keys that act while the window is idle, in order of precedence; the
// first match runs.
constexpr std::array kIdleKeys = {
    KeyBinding{KeyCode::Escape, Modifiers::Any, 0, [](TombolixApp& app) { app.RunCommand(Command::Limpiar); }},
};

}  // namespace

bool TombolixApp::RunIdleKey(int keyCode, int modifiers) {
  const auto* binding = std::find_if(kIdleKeys.begin(), kIdleKeys.end(),
                                     [&](const KeyBinding& b) { return Matches(b, keyCode, modifiers); });
  if (binding == kIdleKeys.end()) return false;
  binding->action(*this);
  return true;
}

// The window sees every key before the control with the focus. While idle
// the key table acts; while a computation runs, Escape asks it to stop.
void TombolixApp::KeyDown(int keyCode, int modifiers) {
  if (Ending()) return;
  if (!model_.busy && model_.CboLoteria.enabled) {
    RunIdleKey(keyCode, modifiers);
    return;
  }
  if (keyCode != KeyCode::Escape || !model_.busy) return;
  // Only the computations that watch the stop request can be stopped.
  const std::span<const PaneRow> panes = PaneTable();
  const bool stoppable = std::any_of(panes.begin(), panes.end(), [&](const PaneRow& row) {
    return row.escapeStops && model_.RtfReporte[static_cast<size_t>(row.pane)].visible;
  });
  if (stoppable) model_.StopRequested = true;
}

}  // namespace tombolix
