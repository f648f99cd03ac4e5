#include "app/control_colours.h"
#include "app/pane_table.h"
#include "reports/start_pane.h"
#include "support/app_test_access.h"
#include "support/loaded_program.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class AiAndSearchTest : public LoadedProgramTest {
 protected:
  void SetUp() override {
    Load();
    run.App().SetSoundEnabled(true);
    run.Host().media.opened.clear();
  }
  int SourcesComputed() {
    int computed = 0;
    for (const PaneRow& row : PaneTable()) computed += row.aiSource && !Report(row.pane).IsEmptyMarker() ? 1 : 0;
    return computed;
  }
};

// BUSCAR with no number chosen runs the recolouring, shows pane 0 back when it
// is hidden and holds a result, and stops at the selection test.
TEST_F(AiAndSearchTest, BuscarWithoutANumberComputesNothing) {
  WindowModel& m = run.Model();
  m.Cmd(Command::Combinaciones).backColour = ControlColour::CombinacionesInUse;
  run.App().RunCommand(Command::Buscar);
  EXPECT_EQ(m.Cmd(Command::Combinaciones).backColour, ControlColour::Combinaciones);
  EXPECT_EQ(SourcesComputed(), 0);

  // A search result in a hidden pane 0 is shown again, and nothing else runs.
  Report(Pane::Start).SetText(QStringLiteral("result"));
  AppTestAccess::ShowReportPane(run.App(), Pane::Frecuencia);
  run.App().CboBal_SetText(1, m.CboBal[1].items.value(0));
  run.App().RunCommand(Command::Buscar);
  EXPECT_EQ(m.visiblePane, Pane::Start);
  EXPECT_EQ(Report(Pane::Start).Text(), QStringLiteral("result"));
  EXPECT_EQ(SourcesComputed(), 0);
}

// BUSCAR runs ANÁLISIS iA as a quiet run: no clip, no recolouring of its
// button, and the window stays busy until the search itself ends.
TEST_F(AiAndSearchTest, BuscarPreparesQuietlyThenSearches) {
  WindowModel& m = run.Model();
  run.App().CboBal_SetText(2, m.CboBal[2].items.value(0));
  bool idleBetween = false;
  bool quietDuringSummary = false;
  run.Host().onProcessEvents = [&] {
    if (m.visiblePane != Pane::Start && !m.busy) idleBetween = true;
    if (m.RtfReporte[Pane::ResumenIA].visible) quietDuringSummary = m.QuietRun();
  };
  run.App().RunCommand(Command::Buscar);
  run.Host().onProcessEvents = nullptr;
  EXPECT_FALSE(idleBetween);
  EXPECT_TRUE(quietDuringSummary);
  EXPECT_EQ(SourcesComputed(), 8);
  EXPECT_FALSE(Report(Pane::ResumenIA).IsEmptyMarker());
  EXPECT_TRUE(run.Host().media.opened.isEmpty());
  EXPECT_EQ(m.Cmd(Command::AnalisisIa).backColour, ControlColour::AnalisisIa);
  EXPECT_TRUE(Report(Pane::Start).Text().contains(QStringLiteral(" sorteo(s) parecido(s)")));
  EXPECT_FALSE(m.busy || m.QuietRun() || m.AiRunning());
}

// Its own button: clips, recolouring, the AI-run flag up while the eight
// analyses run and down before the summary; a second press only shows it.
TEST_F(AiAndSearchTest, AnalisisIaOwnRunThenShownAtOnce) {
  WindowModel& m = run.Model();
  bool flagDuringSources = true;
  bool flagDuringSummary = false;
  bool idle = false;
  run.Host().onProcessEvents = [&] {
    idle = idle || !m.busy;
    if (m.RtfReporte[Pane::ResumenIA].visible) {
      flagDuringSummary = flagDuringSummary || m.AiRunning();
    } else {
      flagDuringSources = flagDuringSources && m.AiRunning();
    }
  };
  run.App().RunCommand(Command::AnalisisIa);
  run.Host().onProcessEvents = nullptr;
  EXPECT_TRUE(flagDuringSources);
  EXPECT_FALSE(flagDuringSummary);
  EXPECT_FALSE(idle);
  EXPECT_EQ(m.Cmd(Command::AnalisisIa).backColour, ControlColour::AnalisisIaOwnRun);
  const QStringList& clips = run.Host().media.opened;
  ASSERT_EQ(clips.size(), 2);
  EXPECT_TRUE(clips[0].contains(QStringLiteral("KiRVA-11.")));
  EXPECT_EQ(m.visiblePane, Pane::ResumenIA);

  const quint64 summary = Report(Pane::ResumenIA).Generation();
  const int yields = run.Host().processEventsCount;
  run.App().RunCommand(Command::AnalisisIa);
  EXPECT_EQ(Report(Pane::ResumenIA).Generation(), summary);
  EXPECT_EQ(run.Host().processEventsCount, yields);
  EXPECT_EQ(m.visiblePane, Pane::ResumenIA);
}

// ANÁLISIS iA computes its sources even on a history the list rows refuse.
TEST_F(AiAndSearchTest, ShortHistoriesStillGetTheirSummaryAndLastDrawSearch) {
  run.AddHistory(QStringLiteral("Corta"), SixNumberHistory(40));
  run.App().RunCommand(Command::Reiniciar);  // the lottery box lists it
  run.App().CboLoteria_Click(static_cast<int>(run.Model().CboLoteria.items.indexOf(QStringLiteral("Corta"))));
  ASSERT_EQ(run.Model().history.DrawCount, 40);
  const int messages = run.Host().MessageCount();
  run.App().LstFormula_Click(18);  // "Patrón del Último Sorteo"
  EXPECT_EQ(run.Host().MessageCount(), messages);
  EXPECT_EQ(SourcesComputed(), 8);
  EXPECT_TRUE(Report(Pane::PatronUltimoSorteo).Text().contains(QStringLiteral(" sorteo(s) parecido(s)")));
}

// AUTOMÁTICO: a quiet preparation, then one new combination with its search,
// left in the selectors; it never repeats one generated before.
TEST_F(AiAndSearchTest, AutomaticoLeavesANewCombinationInTheSelectors) {
  WindowModel& m = run.Model();
  for (int round = 1; round <= 2; ++round) {
    run.App().RunCommand(Command::Automatico);
    ASSERT_EQ(run.App().Lists().ListaGenerada().size(), static_cast<size_t>(round));
    const Combination& last = run.App().Lists().ListaGenerada().back();
    for (int k = 1; k <= 6; ++k) {
      EXPECT_EQ(m.CboBal[static_cast<size_t>(k)].text.toInt(), last[static_cast<size_t>(k - 1)]) << k;
    }
    EXPECT_TRUE(Report(Pane::Start).Text().contains(QStringLiteral(" sorteo(s) parecido(s)")));
  }
  EXPECT_NE(run.App().Lists().ListaGenerada()[0], run.App().Lists().ListaGenerada()[1]);
  EXPECT_TRUE(run.Host().media.opened.isEmpty());  // a quiet run plays nothing
}

// A generator that finds nothing: its clip, the window restored, LIMPIAR (pane
// 0 is shown) and the message; the selectors keep what they showed.
TEST_F(AiAndSearchTest, AGeneratorFailureEndsThroughLimpiarWithItsMessage) {
  WindowModel& m = run.Model();
  m.CboBal[3].items.clear();  // no candidate for B3: nothing can be drawn
  run.Host().minimised = true;
  const int messages = run.Host().MessageCount();
  EXPECT_FALSE(run.App().Lists().GenerarCombinacion(true));
  EXPECT_EQ(run.Host().MessageCount(), messages + 1);
  EXPECT_EQ(run.Host().LastMessage().text, Msg(TxtImposibleGenerar));
  EXPECT_FALSE(run.Host().minimised);
  ASSERT_FALSE(run.Host().media.opened.isEmpty());
  EXPECT_TRUE(run.Host().media.opened.last().contains(QStringLiteral("KiRVA-5.")));
  EXPECT_TRUE(run.App().Lists().ListaGenerada().empty());
  EXPECT_EQ(Report(Pane::Start).Text(), StartPaneText(120));
  EXPECT_FALSE(m.busy);
}

}  // namespace
}  // namespace tombolix::test
