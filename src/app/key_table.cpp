#include "app/key_table.h"

#include "app/command.h"
#include "app/key_codes.h"
#include "app/pane_table.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

constexpr int kCtrlAlt = kCtrl | kAlt;
constexpr int kCtrlAltShift = kShift | kCtrl | kAlt;

constexpr int Letter(char c) { return KeyCode::LetterA + (c - 'A'); }
constexpr int F(int n) { return KeyCode::F1 + n - 1; }

constexpr KeyRow AltDigit(int n) {
  return {KeyCode::Digit0 + n, ModifierRule::Exactly, kAlt, KeyAction::FocusSelector, n};
}
// The letter of a pane's list row opens that row, as the pane table says.
constexpr KeyRow ListKey(int pane, ModifierRule rule = ModifierRule::Any, int modifiers = 0) {
  return {Letter(PaneInfo(pane).listKey), rule, modifiers, KeyAction::ListRow, PaneInfo(pane).listRow};
}
constexpr KeyRow Cmd(int keyCode, Command command) {
  return {keyCode, ModifierRule::Any, 0, KeyAction::Command, Index(command)};
}

constexpr std::array kKeys = {
    AltDigit(1),
    AltDigit(2),
    AltDigit(3),
    AltDigit(4),
    AltDigit(5),
    AltDigit(6),
    AltDigit(7),
    Cmd(Letter('A'), Command::Combinaciones),
    KeyRow{Letter('C'), ModifierRule::Exactly, kCtrlAlt, KeyAction::OpenConfiguration, 0},
    Cmd(Letter('M'), Command::AnalisisIa),
    ListKey(Pane::HistorialAciertos),
    ListKey(Pane::Frecuencia),
    ListKey(Pane::MapaFrecuenciaM1),
    KeyRow{Letter('X'), ModifierRule::Any, 0, KeyAction::MapButton, 0},
    KeyRow{Letter('C'), ModifierRule::AllBut, kCtrlAlt, KeyAction::MapButton, 1},
    ListKey(Pane::LeyTercio),
    ListKey(Pane::MapaLeyTercioM1),
    ListKey(Pane::CicloAparicion),
    ListKey(Pane::PronosticoM1),
    ListKey(Pane::Consecutivos),
    ListKey(Pane::Repetidos, ModifierRule::AllBut, kCtrlAlt),
    ListKey(Pane::ParesImparesM1),
    ListKey(Pane::PrimosM1),
    ListKey(Pane::PatronJugadas),
    ListKey(Pane::PatronUltimoSorteo),
    KeyRow{Letter('U'), ModifierRule::Any, 0, KeyAction::BuscarHistoriales, 0},
    KeyRow{F(1), ModifierRule::Exactly, kCtrl, KeyAction::OpenReadme, 0},
    KeyRow{F(1), ModifierRule::AllBut, kCtrl, KeyAction::HelpVideoLink, 0},
    Cmd(F(3), Command::Buscar),
    Cmd(F(4), Command::Automatico),
    Cmd(F(5), Command::Actualizar),
    Cmd(F(6), Command::Agregar),
    Cmd(F(8), Command::Reiniciar),
    KeyRow{F(9), ModifierRule::Any, 0, KeyAction::DonationLink, 0},
    KeyRow{KeyCode::Minus, ModifierRule::Exactly, kCtrlAltShift, KeyAction::AutoScroll, 0},
    Cmd(KeyCode::Escape, Command::Limpiar),
};

// Every pane with a list key has its key row, and no other key opens a list row.
constexpr bool EveryListKeyListed() {
  int listed = 0;
  for (const KeyRow& key : kKeys) listed += key.action == KeyAction::ListRow ? 1 : 0;
  int panes = 0;
  for (const PaneRow& row : kPaneRows) {
    if (row.listKey == 0) continue;
    ++panes;
    const bool found = std::any_of(kKeys.begin(), kKeys.end(), [&row](const KeyRow& key) {
      return key.action == KeyAction::ListRow && key.argument == row.listRow && key.keyCode == Letter(row.listKey);
    });
    if (!found) return false;
  }
  return listed == panes;
}
static_assert(EveryListKeyListed(), "the key table opens each pane's list row by its key");

bool Matches(const KeyRow& row, int keyCode, int modifiers) {
  if (row.keyCode != keyCode) return false;
  switch (row.rule) {
    case ModifierRule::Any:
      return true;
    case ModifierRule::Exactly:
      return modifiers == row.modifiers;
    case ModifierRule::AllBut:
      return modifiers != row.modifiers;
  }
  return false;
}

}  // namespace

std::span<const KeyRow> KeyTable() { return kKeys; }

const KeyRow* FindKey(int keyCode, int modifiers) {
  const auto* row =
      std::find_if(kKeys.begin(), kKeys.end(), [&](const KeyRow& r) { return Matches(r, keyCode, modifiers); });
  return row == kKeys.end() ? nullptr : row;
}

}  // namespace tombolix
