#include "app/key_table.h"
#include "app/key_codes.h"
#include "reports/panes.h"
#include "support/fake_platform.h"
#include "support/log_capture.h"
#include "synthetic_history.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix::test {
namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

// The window's state when the key arrives.
enum class State {
  Idle,          // a six-number history loaded, the start pane shown
  MapShown,      // Idle, then "Mapa de la Frecuencia" M1 shown (both map buttons visible)
  TwoPositions,  // a two-position history loaded
  Seven,         // a seven-number history loaded
  Busy,          // a computation holds the window (EnableControls(False))
  Rejected,      // the history was rejected: selectors, list and four buttons disabled
};

struct KeyCase {
  int key;
  int modifiers;
  State state;
  KeyAction action;
  int argument;
  // A line the program logs once the key has acted; empty: nothing happens.
  const char* shows;
};

constexpr int Key(char c) { return c; }
constexpr int F(int n) { return KeyCode::F1 + n - 1; }

constexpr KeyCase kCases[] = {
    // Alt+digit: focus to an enabled selector.
    {Key('1'), kAlt, State::Idle, KeyAction::FocusSelector, 1, ""},
    {Key('2'), kAlt, State::Idle, KeyAction::FocusSelector, 2, ""},
    {Key('3'), kAlt, State::Idle, KeyAction::FocusSelector, 3, ""},
    {Key('4'), kAlt, State::Idle, KeyAction::FocusSelector, 4, ""},
    {Key('5'), kAlt, State::Idle, KeyAction::FocusSelector, 5, ""},
    {Key('6'), kAlt, State::Idle, KeyAction::FocusSelector, 6, ""},
    {Key('7'), kAlt, State::Seven, KeyAction::FocusSelector, 7, ""},
    {Key('7'), kAlt, State::Idle, KeyAction::None, 0, ""},  // six positions: CboBal(7) is disabled
    {Key('3'), kAlt, State::TwoPositions, KeyAction::None, 0, ""},
    {Key('2'), kAlt, State::TwoPositions, KeyAction::FocusSelector, 2, ""},
    {Key('2'), kAlt | kCtrl, State::Idle, KeyAction::None, 0, ""},
    {Key('2'), 0, State::Idle, KeyAction::None, 0, ""},
    {Key('2'), kAlt, State::Rejected, KeyAction::None, 0, ""},
    // A and M, whatever the modifiers, while their buttons are enabled.
    {Key('A'), 0, State::Idle, KeyAction::Command, 4, "command 4 COMBINACIONES"},
    {Key('A'), kShift | kCtrl, State::Idle, KeyAction::Command, 4, "command 4 COMBINACIONES"},
    {Key('A'), 0, State::Rejected, KeyAction::None, 0, ""},
    {Key('M'), 0, State::Idle, KeyAction::Command, 7, "command 7 ANÁLISIS iA"},
    {Key('M'), kShift, State::Idle, KeyAction::Command, 7, "command 7 ANÁLISIS iA"},
    {Key('M'), 0, State::Rejected, KeyAction::None, 0, ""},
    // Ctrl+Alt+C before C (M2).
    {Key('C'), kCtrl | kAlt, State::Idle, KeyAction::OpenConfiguration, 0, "Recursos/Tombolix.INI"},
    {Key('C'), kCtrl | kAlt, State::MapShown, KeyAction::OpenConfiguration, 0, "Recursos/Tombolix.INI"},
    {Key('C'), kCtrl | kAlt, State::Rejected, KeyAction::OpenConfiguration, 0, "Recursos/Tombolix.INI"},
    {Key('C'), 0, State::MapShown, KeyAction::MapButton, 1, "pane 12 shown"},
    {Key('C'), kCtrl | kAlt | kShift, State::MapShown, KeyAction::MapButton, 1, "pane 12 shown"},
    {Key('C'), 0, State::Idle, KeyAction::None, 0, ""},  // M2 is not shown
    {Key('X'), 0, State::MapShown, KeyAction::MapButton, 0, "pane 3 shown"},
    {Key('X'), 0, State::Idle, KeyAction::None, 0, ""},
    // The row letters, while the list is enabled.
    {Key('Q'), 0, State::Idle, KeyAction::ListRow, 1, "pane 1 shown"},
    {Key('W'), 0, State::Idle, KeyAction::ListRow, 3, "pane 2 shown"},
    {Key('W'), kCtrl | kAlt | kShift, State::Idle, KeyAction::ListRow, 3, "pane 2 shown"},
    {Key('S'), 0, State::Idle, KeyAction::ListRow, 4, "pane 3 shown"},
    {Key('E'), 0, State::Idle, KeyAction::ListRow, 6, "pane 4 shown"},
    {Key('D'), 0, State::Idle, KeyAction::ListRow, 7, "pane 5 shown"},
    {Key('R'), 0, State::Idle, KeyAction::ListRow, 9, "pane 6 shown"},
    {Key('F'), 0, State::Idle, KeyAction::ListRow, 10, "pane 7 shown"},
    {Key('T'), 0, State::Idle, KeyAction::ListRow, 12, "pane 8 shown"},
    {Key('G'), 0, State::Idle, KeyAction::ListRow, 13, "pane 9 shown"},
    {Key('G'), kShift, State::Idle, KeyAction::ListRow, 13, "pane 9 shown"},
    {Key('G'), kCtrl | kAlt, State::Idle, KeyAction::None, 0, ""},
    {Key('B'), 0, State::Idle, KeyAction::ListRow, 14, "pane 10 shown"},
    {Key('N'), 0, State::Idle, KeyAction::ListRow, 15, "pane 16 shown"},
    {Key('Y'), 0, State::Idle, KeyAction::ListRow, 17, "pane 11 shown"},
    {Key('H'), 0, State::Idle, KeyAction::ListRow, 18, "pane 19 shown"},
    {Key('W'), 0, State::Rejected, KeyAction::None, 0, ""},
    // U, Ctrl+F1 before F1, the function keys, the auto-scroll key, Escape.
    {Key('U'), 0, State::Idle, KeyAction::BuscarHistoriales, 0, "link opened: \"https://tombolix.test/historiales\""},
    {Key('U'), 0, State::Rejected, KeyAction::BuscarHistoriales, 0, "command 3 LIMPIAR"},
    {F(1), kCtrl, State::Idle, KeyAction::OpenReadme, 0, "Tombolix Léame.TXT"},
    {F(1), kCtrl, State::Rejected, KeyAction::OpenReadme, 0, "Tombolix Léame.TXT"},
    {F(1), 0, State::Idle, KeyAction::HelpVideoLink, 0, "link opened: \"https://tombolix.test/videos\""},
    {F(1), kCtrl | kShift, State::Idle, KeyAction::HelpVideoLink, 0, "link opened: \"https://tombolix.test/videos\""},
    {F(2), 0, State::Idle, KeyAction::None, 0, ""},
    {F(3), 0, State::Idle, KeyAction::Command, 0, "command 0 BUSCAR"},
    {F(3), 0, State::Rejected, KeyAction::None, 0, ""},
    {F(4), kShift, State::Idle, KeyAction::Command, 1, "command 1 AUTOMÁTICO"},
    {F(4), 0, State::Rejected, KeyAction::None, 0, ""},
    {F(5), 0, State::Idle, KeyAction::Command, 2, "command 2 ACTUALIZAR"},
    {F(5), 0, State::Rejected, KeyAction::Command, 2, "command 2 ACTUALIZAR"},
    {F(6), 0, State::Idle, KeyAction::Command, 5, "command 5 AGREGAR"},
    {F(7), 0, State::Idle, KeyAction::None, 0, ""},
    {F(8), 0, State::Idle, KeyAction::Command, 6, "command 6 REINICIAR"},
    {F(8), 0, State::Rejected, KeyAction::Command, 6, "command 6 REINICIAR"},
    {F(9), kAlt, State::Idle, KeyAction::DonationLink, 0, "link opened: \"https://tombolix.test/donar\""},
    {KeyCode::Minus, kCtrl | kAlt | kShift, State::Idle, KeyAction::AutoScroll, 0, "auto-scroll started"},
    {KeyCode::Minus, kCtrl | kAlt | kShift, State::Rejected, KeyAction::AutoScroll, 0, "auto-scroll started"},
    {KeyCode::Minus, kCtrl | kAlt, State::Idle, KeyAction::None, 0, ""},
    {KeyCode::Escape, 0, State::Idle, KeyAction::Command, 3, "command 3 LIMPIAR"},
    {KeyCode::Escape, kShift, State::Idle, KeyAction::Command, 3, "command 3 LIMPIAR"},
    {KeyCode::Escape, 0, State::Rejected, KeyAction::Command, 3, "command 3 LIMPIAR"},
    {Key('Z'), 0, State::Idle, KeyAction::None, 0, ""},
    // While busy no key of the table acts.
    {Key('W'), 0, State::Busy, KeyAction::None, 0, ""},
    {Key('A'), 0, State::Busy, KeyAction::None, 0, ""},
    {F(8), 0, State::Busy, KeyAction::None, 0, ""},
    {KeyCode::Escape, 0, State::Busy, KeyAction::None, 0, ""},
};

// A history of `draws` draws of two digits 0..9.
QByteArray TwoPositionHistory(int draws) {
  SynthOptions options;
  options.kind = SynthOptions::Kind::Digits;
  options.positions = 2;
  options.draws = draws;
  return SyntheticHistory(options);
}

void Prepare(ProgramRun& run, State state) {
  if (state == State::TwoPositions) {
    run.AddHistory(QStringLiteral("Dos"), TwoPositionHistory(120));
  } else if (state == State::Seven) {
    SynthOptions options;
    options.numbers = 7;
    options.draws = 120;
    run.AddHistory(QStringLiteral("Siete"), SyntheticHistory(options));
  } else if (state == State::Rejected) {
    run.AddHistory(QStringLiteral("Mala"), "07/01/2023,05,12,33,41,44,48\r\n01/03/2023,4,8\r\n");
  } else {
    run.AddHistory(QStringLiteral("Seis"), SixNumberHistory(120));
  }
  run.App().SetWebAddresses(SomeWebAddresses());
  ASSERT_TRUE(run.StartAndLoad());
  run.App().SetSoundEnabled(false);
  WindowModel& m = run.Model();
  if (state == State::MapShown) {
    m.LblMapas[0].Tag = QString::number(Pane::MapaFrecuenciaM1);
    m.LblMapas[1].Tag = QString::number(Pane::MapaFrecuenciaM2);
    run.App().ShowReportPane(Pane::MapaFrecuenciaM1);
  }
  if (state == State::Busy) run.App().EnableControls(false);
}

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, KeyActsAsItsRowSays) {
  const KeyCase& c = GetParam();
  ProgramRun run;
  Prepare(run, c.state);
  WindowModel& m = run.Model();
  const int pane = m.visiblePane;
  const Focus focus = m.focus;
  LogCapture log;
  const KeyEffect effect = run.App().KeyDown(c.key, c.modifiers);
  EXPECT_EQ(effect, (KeyEffect{c.action, c.argument}));
  ASSERT_FALSE(log.lines.isEmpty());
  EXPECT_TRUE(log.lines[0].startsWith(QStringLiteral("key %1+%2:").arg(c.key).arg(c.modifiers)));
  const QStringList after = log.lines.mid(1);
  if (c.action == KeyAction::None) {
    EXPECT_EQ(after, QStringList{});
    EXPECT_EQ(m.visiblePane, pane);
    EXPECT_EQ(m.focus, focus);
    EXPECT_EQ(run.Host().minimiseCount, 0);
    EXPECT_TRUE(run.Host().openedFiles.isEmpty() && run.Host().openedUrls.isEmpty());
  } else if (c.action == KeyAction::FocusSelector) {
    EXPECT_EQ(m.focus, (Focus{FocusTarget::CboBal, c.argument}));
  } else {
    EXPECT_FALSE(log.Matching(QString::fromUtf8(c.shows)).isEmpty()) << after.join(u'\n').toStdString();
  }
}

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info) {
  return "case" + std::to_string(info.index) + "_key" + std::to_string(info.param.key) + "_mods" +
         std::to_string(info.param.modifiers);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, KeyTableTest, ::testing::ValuesIn(kCases), CaseName);

// Every row of the table is reached by some case above, with its control
// enabled, so no row is shadowed by an earlier one.
TEST(KeyTable, EveryRowIsReachedInOrderOfPrecedence) {
  for (const KeyRow& row : KeyTable()) {
    const bool reached = std::any_of(std::begin(kCases), std::end(kCases), [&](const KeyCase& c) {
      return FindKey(c.key, c.modifiers) == &row && c.action == row.action && c.argument == row.argument;
    });
    EXPECT_TRUE(reached) << "key " << row.keyCode << " action " << static_cast<int>(row.action);
  }
}

}  // namespace
}  // namespace tombolix::test
