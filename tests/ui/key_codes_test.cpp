#include "ui/key_codes.h"

#include "app/key_codes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(KeyCodesTest, QtKeysBecomeTheVirtualKeyCodesTheKeyboardTableReads) {
  const std::pair<int, int> mainKeys[] = {
      {Qt::Key_Z, 90}, {Qt::Key_F9, 120}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189}, {Qt::Key_Ntilde, 0}};
  for (auto [qtKey, code] : mainKeys) EXPECT_EQ(VirtualKeyCode(qtKey, false), code) << qtKey;
  // Keypad keys have their own codes, or fall back to the main ones.
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Minus, true), 109);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Home, true), 36);

  // Shift+"-" types "_" but is still the "-" key; Meta and the keypad flag are no modifiers.
  const QKeyEvent shiftedMinus(QEvent::KeyPress, Qt::Key_Underscore,
                               Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("_"));
  EXPECT_EQ(ToVirtualKey(shiftedMinus).code, 189);
  EXPECT_EQ(ToVirtualKey(shiftedMinus).modifiers, 7);
  const QKeyEvent keypadDigit(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier | Qt::MetaModifier | Qt::AltModifier,
                              QStringLiteral("3"));
  EXPECT_EQ(ToVirtualKey(keypadDigit).code, 99);
  EXPECT_EQ(ToVirtualKey(keypadDigit).modifiers, kAlt);
}

}  // namespace
}  // namespace tombolix
