#include "app/key_codes.h"
#include "support/loaded_program.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class SelectorEventsTest : public LoadedProgramTest {
 protected:
  void SetUp() override { Load(SixNumberHistory(30)); }
  // What the view does with a typed character: ask, then edit when accepted.
  void Type(int k, QChar c) {
    if (!run.App().CboBal_KeyPress(k, c)) return;
    QString text = run.Model().CboBal[static_cast<size_t>(k)].text;
    if (c.unicode() == KeyCode::Backspace) {
      text.chop(1);
    } else if (c.unicode() != KeyCode::Escape) {
      text.append(c);
    }
    run.App().CboBal_SetText(k, text);
  }
  const QString& Text(int k) { return run.Model().CboBal[static_cast<size_t>(k)].text; }
};

// What the window test does not see: the beeps, the design text, the last selector.
TEST_F(SelectorEventsTest, BeepsAtAnythingButDigitsAndTheLastSelectorLeadsToBuscar) {
  run.App().CboBal_GotFocus(3);  // empties the selector
  for (QChar c : {u'1', u'a', u'2', u'3', u'-', u' '}) Type(3, c);
  EXPECT_EQ(Text(3), QStringLiteral("12"));
  EXPECT_EQ(run.Host().beepCount, 3);
  // The design text "--" still takes a digit.
  run.App().CboBal_SetText(1, QStringLiteral("--"));
  EXPECT_TRUE(run.App().CboBal_KeyPress(1, u'4'));
  EXPECT_EQ(run.Host().beepCount, 3);
  EXPECT_FALSE(run.App().CboBal_KeyPress(6, QChar(KeyCode::Enter)));  // the last position of this lottery
  EXPECT_EQ(run.Model().focus, (Focus{FocusTarget::CmdFuncion, 0}));
}

}  // namespace
}  // namespace tombolix::test
