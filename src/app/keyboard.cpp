#include "app/key_codes.h"
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
    KeyBinding{KeyCode::Escape, Modifiers::Any, 0, [](TombolixApp& app) { app.RunCommand(3); }},
};

// The panes of the computations that watch the stop request while they run.
constexpr std::array kStoppablePanes = {
    Pane::Start,         Pane::HistorialAciertos, Pane::MapaFrecuenciaM1,  Pane::MapaLeyTercioM1,
    Pane::PatronJugadas, Pane::GeneradorM1,       Pane::PatronUltimoSorteo};

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
  const bool stoppable = std::any_of(kStoppablePanes.begin(), kStoppablePanes.end(),
                                     [&](int pane) { return model_.RtfReporte[static_cast<size_t>(pane)].visible; });
  if (stoppable) model_.StopRequested = true;
}

}  // namespace tombolix
