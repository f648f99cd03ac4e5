#pragma once

namespace tombolix {

// Virtual-key codes the keyboard handler reads (the view translates its own key
// events into these). Letters are their upper-case character codes ('A' = 65),
// digits their character codes ('0' = 48).
namespace KeyCode {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Digit0 = 48;
inline constexpr int LetterA = 65;
inline constexpr int F1 = 112;  // F1..F12 are 112..123
inline constexpr int Minus = 189;
}  // namespace KeyCode

// Key modifiers as a bit set, as the keyboard handler reads them.
enum KeyModifier : int { kShift = 1, kCtrl = 2, kAlt = 4 };

}  // namespace tombolix
