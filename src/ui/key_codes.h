#pragma once

#include <Qt>

class QKeyEvent;

namespace tombolix {

// A key press as the keyboard handler reads it: a Windows virtual-key code
// ('A'..'Z' = 65..90, '0'..'9' = 48..57, F1 = 112, Escape = 27, "-" = 189)
// and the modifier bit set 1 Shift, 2 Ctrl, 4 Alt. Code 0: a key with no code.
struct VirtualKey {
  int code = 0;
  int modifiers = 0;
};

// Maps a Qt key (and the keypad flag) to its virtual-key code, 0 when unknown.
int VirtualKeyCode(int qtKey, bool keypad);
int ModifierBits(Qt::KeyboardModifiers modifiers);
VirtualKey ToVirtualKey(const QKeyEvent& event);

}  // namespace tombolix
