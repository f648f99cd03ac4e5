#include "ui/key_codes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(KeyCodesTest, LettersDigitsAndFunctionKeysTakeTheirVirtualKeyCodes) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_A, false), 65);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Z, false), 90);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_0, false), 48);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_7, false), 55);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F1, false), 112);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F9, false), 120);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F12, false), 123);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Escape, false), 27);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Return, false), 13);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Backspace, false), 8);
}

TEST(KeyCodesTest, TheMinusKeyIsOneCodeWithOrWithoutShift) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, false), 189);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Underscore, false), 189);
}

TEST(KeyCodesTest, KeypadKeysHaveTheirOwnCodes) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_1, true), 97);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, true), 109);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Enter, true), 13);
  // Keypad keys without a code of their own fall back to the main ones.
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Home, true), 36);
}

TEST(KeyCodesTest, UnknownKeysHaveNoCode) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_unknown, false), 0);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Ntilde, false), 0);
}

TEST(KeyCodesTest, ModifiersBecomeShiftCtrlAltBits) {
  EXPECT_EQ(ModifierBits(Qt::NoModifier), 0);
  EXPECT_EQ(ModifierBits(Qt::ShiftModifier), 1);
  EXPECT_EQ(ModifierBits(Qt::ControlModifier | Qt::AltModifier), 6);
  EXPECT_EQ(ModifierBits(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier), 7);
  EXPECT_EQ(ModifierBits(Qt::KeypadModifier | Qt::MetaModifier), 0);

  const QKeyEvent shiftedMinus(QEvent::KeyPress, Qt::Key_Underscore,
                               Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("_"));
  const VirtualKey key = ToVirtualKey(shiftedMinus);
  EXPECT_EQ(key.code, 189);
  EXPECT_EQ(key.modifiers, 7);
  const QKeyEvent keypadDigit(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier | Qt::AltModifier, QStringLiteral("3"));
  EXPECT_EQ(ToVirtualKey(keypadDigit).code, 99);
  EXPECT_EQ(ToVirtualKey(keypadDigit).modifiers, 4);
}

}  // namespace
}  // namespace tombolix
