#include "app/key_codes.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class SelectorEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30));
    ASSERT_TRUE(run.StartAndLoad());
  }
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

  ProgramRun run;
};

TEST_F(SelectorEventsTest, TypingKeepsAtMostTwoDigitsAndBeepsAtAnythingElse) {
  run.App().CboBal_GotFocus(3);
  EXPECT_EQ(Text(3), QString());
  EXPECT_EQ(run.Model().focus, (Focus{FocusTarget::CboBal, 3}));
  for (QChar c : {u'1', u'a', u'2', u'3', u'-', u' '}) Type(3, c);
  EXPECT_EQ(Text(3), QStringLiteral("12"));
  EXPECT_EQ(run.Host().beepCount, 3);
  Type(3, QChar(KeyCode::Backspace));
  Type(3, u'7');
  EXPECT_EQ(Text(3), QStringLiteral("17"));
  // The design text "--" still takes a digit.
  run.App().CboBal_SetText(1, QStringLiteral("--"));
  EXPECT_TRUE(run.App().CboBal_KeyPress(1, u'4'));
  EXPECT_EQ(run.Host().beepCount, 3);
}

TEST_F(SelectorEventsTest, EnterMovesToTheNextSelectorThenToBuscar) {
  EXPECT_FALSE(run.App().CboBal_KeyPress(1, QChar(KeyCode::Enter)));
  EXPECT_EQ(run.Model().focus, (Focus{FocusTarget::CboBal, 2}));
  EXPECT_FALSE(run.App().CboBal_KeyPress(6, QChar(KeyCode::Enter)));  // the last position of this lottery
  EXPECT_EQ(run.Model().focus, (Focus{FocusTarget::CmdFuncion, 0}));
  EXPECT_EQ(run.Host().beepCount, 0);
  // Picking an item moves the focus to the list.
  run.App().CboBal_GotFocus(2);
  run.App().CboBal_SetText(2, run.Model().CboBal[2].items.value(0));
  run.App().CboBal_Click(2);
  EXPECT_EQ(run.Model().focus, (Focus{FocusTarget::LstFormula, 0}));
  EXPECT_EQ(Text(2), run.Model().CboBal[2].items.value(0));
}

}  // namespace
}  // namespace tombolix::test
