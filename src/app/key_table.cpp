#include "app/key_table.h"

#include "app/command.h"
#include "app/key_codes.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

constexpr int kCtrlAlt = 2 | 4;
constexpr int kCtrlAltShift = 1 | 2 | 4;

constexpr int Letter(char c) { return KeyCode::LetterA + (c - 'A'); }
constexpr int F(int n) { return KeyCode::F1 + n - 1; }

constexpr KeyRow AltDigit(int n) {
  return {KeyCode::Digit0 + n, ModifierRule::Exactly, 4, KeyAction::FocusSelector, n};
}
constexpr KeyRow Row(char letter, int row) { return {Letter(letter), ModifierRule::Any, 0, KeyAction::ListRow, row}; }
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
    Row('Q', 1),
    Row('W', 3),
    Row('S', 4),
    KeyRow{Letter('X'), ModifierRule::Any, 0, KeyAction::MapButton, 0},
    KeyRow{Letter('C'), ModifierRule::AllBut, kCtrlAlt, KeyAction::MapButton, 1},
    Row('E', 6),
    Row('D', 7),
    Row('R', 9),
    Row('F', 10),
    Row('T', 12),
    KeyRow{Letter('G'), ModifierRule::AllBut, kCtrlAlt, KeyAction::ListRow, 13},
    Row('B', 14),
    Row('N', 15),
    Row('Y', 17),
    Row('H', 18),
    KeyRow{Letter('U'), ModifierRule::Any, 0, KeyAction::BuscarHistoriales, 0},
    KeyRow{F(1), ModifierRule::Exactly, 2, KeyAction::OpenReadme, 0},
    KeyRow{F(1), ModifierRule::AllBut, 2, KeyAction::HelpVideoLink, 0},
    Cmd(F(3), Command::Buscar),
    Cmd(F(4), Command::Automatico),
    Cmd(F(5), Command::Actualizar),
    Cmd(F(6), Command::Agregar),
    Cmd(F(8), Command::Reiniciar),
    KeyRow{F(9), ModifierRule::Any, 0, KeyAction::DonationLink, 0},
    KeyRow{KeyCode::Minus, ModifierRule::Exactly, kCtrlAltShift, KeyAction::AutoScroll, 0},
    Cmd(KeyCode::Escape, Command::Limpiar),
};

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
