#include "app/key_table.h"
#include "app/key_codes.h"
#include "reports/panes.h"
#include "support/app_test_access.h"
#include "support/fake_platform.h"
#include "support/log_capture.h"
#include "support/synth_games.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

constexpr int kAll = kShift | kCtrl | kAlt;

// The window's state when the key arrives.
enum class State {
  Idle,      // a six-number history loaded, the start pane shown
  MapShown,  // Idle with "Mapa de la Frecuencia" M1 shown (both map buttons visible)
  TwoPos,    // a two-position history loaded
  Seven,     // a seven-number history loaded
  Busy,      // a computation holds the window
  Rejected,  // the history was rejected
};

struct KeyCase {
  int key;
  int modifiers;
  State state;
  KeyAction action;
  int argument;
};

using A = KeyAction;
using S = State;
constexpr int F(int n) { return KeyCode::F1 + n - 1; }
constexpr int kEsc = KeyCode::Escape, kMinus = KeyCode::Minus;

constexpr KeyCase kCases[] = {
    {'7', kAlt, S::Seven, A::FocusSelector, 7},
    {'7', kAlt, S::Idle, A::None, 0},  // six positions: CboBal(7) is disabled
    {'3', kAlt, S::TwoPos, A::None, 0},
    {'2', kAlt, S::Rejected, A::None, 0},
    // Ctrl+Alt+C comes before C (M2).
    {'C', kCtrl | kAlt, S::MapShown, A::OpenConfiguration, 0},
    {'C', kAll, S::MapShown, A::MapButton, 1},
    {'C', 0, S::Idle, A::None, 0},  // M2 is not shown
    {'X', 0, S::MapShown, A::MapButton, 0},
    {'X', 0, S::Idle, A::None, 0},
    {'W', kAll, S::Idle, A::ListRow, 3},
    {'W', 0, S::Rejected, A::None, 0},
    {'U', 0, S::Rejected, A::BuscarHistoriales, 0},
    // Ctrl+F1 comes before F1.
    {F(1), kCtrl, S::Rejected, A::OpenReadme, 0},
    {F(1), kCtrl | kShift, S::Idle, A::HelpVideoLink, 0},
    {F(3), 0, S::Rejected, A::None, 0},
    {F(5), 0, S::Rejected, A::Command, 2},
    {kMinus, kAll, S::Rejected, A::AutoScroll, 0},
    {kEsc, kShift, S::Idle, A::Command, 3},
    {kEsc, 0, S::Rejected, A::Command, 3},
    // While busy no key of the table acts.
    {'W', 0, S::Busy, A::None, 0},
    {kEsc, 0, S::Busy, A::None, 0},
};

QByteArray HistoryFor(State state) {
  if (state == S::TwoPos) return SyntheticHistory(SynthDigits(2, 120));
  if (state == S::Seven) return SyntheticHistory(SynthPool(7, 45, 0, false, 120));
  if (state == S::Rejected) return "07/01/2023,05,12,33,41,44,48\r\n01/03/2023,4,8\r\n";
  return SixNumberHistory(120);
}

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, KeyActsAsItsRowSays) {
  const KeyCase& c = GetParam();
  ProgramRun run;
  run.AddHistory(QStringLiteral("Loto"), HistoryFor(c.state));
  run.App().SetWebAddresses(SomeWebAddresses());
  ASSERT_TRUE(run.StartAndLoad());
  run.App().SetSoundEnabled(false);
  WindowModel& m = run.Model();
  if (c.state == S::MapShown) {
    m.PointMapsAt(Pane::MapaFrecuenciaM1, Pane::MapaFrecuenciaM2);
    AppTestAccess::ShowReportPane(run.App(), Pane::MapaFrecuenciaM1);
  }
  if (c.state == S::Busy) AppTestAccess::EnableControls(run.App(), false);
  const int pane = m.visiblePane;
  const Focus focus = m.focus;
  LogCapture log;
  EXPECT_EQ(run.App().KeyDown(c.key, c.modifiers), (KeyEffect{c.action, c.argument}));
  ASSERT_FALSE(log.lines.isEmpty());
  EXPECT_TRUE(log.lines[0].startsWith(QStringLiteral("key %1+%2:").arg(c.key).arg(c.modifiers)));
  if (c.action == A::None) {
    EXPECT_EQ(log.lines.mid(1), QStringList{});
    EXPECT_EQ(m.visiblePane, pane);
    EXPECT_EQ(m.focus, focus);
    EXPECT_EQ(run.Host().minimiseCount, 0);
    EXPECT_TRUE(run.Host().openedFiles.isEmpty() && run.Host().openedUrls.isEmpty());
  } else if (c.action == A::FocusSelector) {
    EXPECT_EQ(m.focus, (Focus{FocusTarget::CboBal, c.argument}));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, KeyTableTest, ::testing::ValuesIn(kCases));

// No row is shadowed by an earlier one: each is the first match for some modifiers.
TEST(KeyTable, EveryRowIsReachedInOrderOfPrecedence) {
  for (const KeyRow& row : KeyTable()) {
    bool reached = false;
    for (int mods = 0; mods <= kAll; ++mods) reached = reached || FindKey(row.keyCode, mods) == &row;
    EXPECT_TRUE(reached) << "key " << row.keyCode << " action " << static_cast<int>(row.action);
  }
}

}  // namespace
}  // namespace tombolix::test
