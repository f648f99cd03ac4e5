#pragma once

#include <span>

namespace tombolix {

// What a key of the keyboard table does.
enum class KeyAction {
  None,
  FocusSelector,      // argument: the selector CboBal(n)
  Command,            // argument: the command's index
  ListRow,            // argument: the analysis-list row
  MapButton,          // argument: 0 for M1, 1 for M2
  OpenConfiguration,  // the configuration file in the text editor
  OpenReadme,         // the read-me in the text editor
  HelpVideoLink,      // "Video Ayuda"
  DonationLink,       // "Donación"
  BuscarHistoriales,  // the history-download page
  AutoScroll,         // the auto-scroll of pane 0 or pane 15
};

// How a row reads the modifier bits (KeyModifier).
enum class ModifierRule { Any, Exactly, AllBut };

struct KeyRow {
  int keyCode;
  ModifierRule rule;
  int modifiers;  // for Exactly and AllBut
  KeyAction action;
  int argument;
};

// What a key press did: the row that acted, or None.
struct KeyEffect {
  KeyAction action = KeyAction::None;
  int argument = 0;
  friend bool operator==(const KeyEffect&, const KeyEffect&) = default;
};

// The keyboard table in order of precedence: Alt+digit, A, Ctrl+Alt+C, the
// letters, U, Ctrl+F1, the function keys and the auto-scroll key, Escape.
std::span<const KeyRow> KeyTable();
// The first row matching the key and modifiers; nullptr when none does.
const KeyRow* FindKey(int keyCode, int modifiers);

}  // namespace tombolix
