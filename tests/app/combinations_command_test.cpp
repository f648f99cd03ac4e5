#include "app/control_colours.h"
#include "app/key_codes.h"
#include "combinations/list_file.h"
#include "support/loaded_program.h"
#include "support/synth_games.h"
#include "texts/messages.h"

#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class CombinacionesTest : public LoadedProgramTest {
 protected:
  QString ListFile() const { return run.InProgram(QStringLiteral("Historiales/Seis.CMB")); }
};

// Three positions, or 100 draws: the refusal titled "Generador de
// Combinaciones", then LIMPIAR; 101 draws of four positions proceed.
TEST_F(CombinacionesTest, RefusesShortLotteriesAndHistories) {
  struct Case {
    int positions;
    int draws;
    std::optional<MessageId> message;  // none: it proceeds
  };
  for (const Case c : {Case{3, 150, TxtFaltanPosiciones}, Case{4, 100, TxtFaltanSorteos}, Case{4, 101, std::nullopt}}) {
    SCOPED_TRACE(c.draws);
    run.Restart();
    Load(SyntheticHistory(SynthDigits(c.positions, c.draws)));
    const int messages = run.Host().MessageCount();
    run.App().RunCommand(Command::Combinaciones);
    if (!c.message) {
      EXPECT_EQ(run.Host().MessageCount(), messages);
      EXPECT_TRUE(Report(Pane::GeneradorM1).Text().contains(QStringLiteral(" sorteos acertados")));
      continue;
    }
    ASSERT_EQ(run.Host().MessageCount(), messages + 1);
    EXPECT_EQ(run.Host().LastMessage().text, Msg(*c.message));
    EXPECT_EQ(run.Host().LastMessage().title, MessageTitle(TxtGeneradorCombinaciones));
    EXPECT_EQ(run.Model().visiblePane, Pane::Start);
    EXPECT_TRUE(Report(Pane::GeneradorM1).IsEmptyMarker());
  }
}

// A first run generates, back-tests, heads the report and saves a list that
// hit; the next run loads that list and gives the same report. On a shown
// pane the delete question comes first: Yes deletes the list and both maps.
TEST_F(CombinacionesTest, SavesTheListThenReusesItUntilTheUserDeletesIt) {
  Load(SixNumberHistory(150));
  WindowModel& m = run.Model();
  run.App().RunCommand(Command::Combinaciones);
  const QString first = Report(Pane::GeneradorM1).Text();
  ASSERT_TRUE(first.contains(QStringLiteral(" sorteos acertados\r\n\r\n\r\n")));
  ASSERT_TRUE(QFileInfo::exists(ListFile()));
  EXPECT_EQ(m.Cmd(Command::Combinaciones).backColour, ControlColour::CombinacionesInUse);
  // The list is in ascending text order, as the sorted working list gives it.
  const QStringList lines = CleanCombinationLines(m.combinations.LineasComb);
  for (int i = 1; i < kListSize; ++i) ASSERT_LE(lines[i - 1].mid(13), lines[i].mid(13)) << i;

  run.App().LblMapas_Click(1);  // map M2 reads the saved lines
  EXPECT_TRUE(Report(Pane::GeneradorM2).Text().startsWith(QStringLiteral("  000001")));

  run.Host().QueueAnswer(MessageAnswer::No);
  run.App().RunCommand(Command::Combinaciones);
  EXPECT_EQ(run.Host().LastMessage().text, Msg(TxtConfirmarEliminarLista));
  EXPECT_TRUE(QFileInfo::exists(ListFile()));
  EXPECT_EQ(m.visiblePane, Pane::GeneradorM2);  // M2 was shown last

  run.Host().QueueAnswer(MessageAnswer::Yes);
  run.App().RunCommand(Command::Combinaciones);
  EXPECT_FALSE(m.ShowsM2Last(Pane::GeneradorM2));
  EXPECT_TRUE(Report(Pane::GeneradorM2).IsEmptyMarker());
  // M1 ran again on a new list (the new one may or may not hit the same draws).
  EXPECT_EQ(m.visiblePane, Pane::GeneradorM1);
  EXPECT_TRUE(Report(Pane::GeneradorM1).Text().contains(QStringLiteral(" sorteos acertados")));
}

// After map M2 the warning stays over the idle window until its timer, a
// click on it or a key hides it; none of these opens a page or runs a command.
TEST_F(CombinacionesTest, WarningAfterMapTwoStaysUntilTimerClickOrKey) {
  Load(SixNumberHistory(150));
  WindowModel& m = run.Model();
  WebAddresses pages;
  pages.productPage = QStringLiteral("https://producto.invalid/");
  run.App().SetWebAddresses(pages);
  run.App().RunCommand(Command::Combinaciones);
  const std::function<void()> hides[] = {
      [&] { run.App().TmrAdvertencia_Timer(); }, [&] { run.App().RtfFondo_Click(); },
      [&] { run.App().KeyDown(KeyCode::F1 + 7, 0); },  // F8 is REINICIAR
  };
  run.App().LblMapas_Click(1);  // computes map M2 the first time
  for (const auto& hide : hides) {
    if (!m.TmrAdvertencia.enabled) run.App().Lists().MapaCombinacionesRun();  // the map drawn again
    ASSERT_TRUE(m.RtfFondo.visible);
    EXPECT_TRUE(m.RtfFondo.report.Text().contains(QStringLiteral("ADVERTENCIA")));
    EXPECT_TRUE(m.TmrAdvertencia.enabled);
    EXPECT_EQ(m.TmrAdvertencia.intervalMs, 4000);
    EXPECT_FALSE(m.busy);
    EXPECT_TRUE(m.LstFormula.enabled && m.Cmd(Command::Buscar).enabled && m.CboLoteria.enabled);
    hide();
    EXPECT_FALSE(m.RtfFondo.visible);
    EXPECT_FALSE(m.TmrAdvertencia.enabled);
    EXPECT_FALSE(m.RtfFondo.report.Text().contains(QStringLiteral("ADVERTENCIA")));
    EXPECT_FALSE(m.ReloadPending());
    EXPECT_EQ(m.visiblePane, Pane::GeneradorM2);
  }
  EXPECT_TRUE(run.Host().openedUrls.isEmpty());
}

// Escape while the list is generated: no heading, no file, the Clear command has run.
TEST_F(CombinacionesTest, AStopDuringGenerationLeavesNoFileAndNoHeading) {
  Load(SixNumberHistory(150));
  int yields = 0;
  run.Host().onProcessEvents = [&] {
    if (++yields == 200) run.App().KeyDown(KeyCode::Escape, 0);
  };
  run.App().RunCommand(Command::Combinaciones);
  run.Host().onProcessEvents = nullptr;
  EXPECT_FALSE(QFileInfo::exists(ListFile()));
  EXPECT_TRUE(Report(Pane::GeneradorM1).IsEmptyMarker());
  EXPECT_EQ(run.Model().visiblePane, Pane::Start);
  EXPECT_FALSE(run.Model().busy || run.Model().StopRequested);
}

// A damaged list file is deleted and REINICIAR stops the run, which reloads.
TEST_F(CombinacionesTest, ADamagedListFileIsDeletedAndTheRunStops) {
  Load(SixNumberHistory(150));
  WriteFile(ListFile(), QByteArray(kListSize * 100, '\x01'));
  run.App().RunCommand(Command::Combinaciones);
  EXPECT_FALSE(QFileInfo::exists(ListFile()));
  EXPECT_TRUE(Report(Pane::GeneradorM1).IsEmptyMarker());
  EXPECT_FALSE(run.Model().busy);
}

// Both comparisons after a back-test: the fresh-draw list is made from the
// draws before the last 100 only, and nothing of the window changes.
TEST_F(CombinacionesTest, FreshDrawTestReadsOnlyEarlierDrawsAndTouchesNothing) {
  Load(SyntheticHistory(SynthDigits(4, 260)));
  run.App().RunCommand(Command::Combinaciones);
  const WindowModel before = run.Model();
  const std::vector<Combination> generated = run.App().Lists().ListaGenerada();
  const auto tests = run.App().Lists().CompareListWithChanceTests(200, 3, 1);
  ASSERT_TRUE(tests);
  EXPECT_TRUE(tests->fresh.problem.isEmpty()) << tests->fresh.problem.toStdString();
  EXPECT_EQ(tests->fresh.knownDraws, 160);
  EXPECT_EQ(tests->inSample.origin, ListOrigin::GeneratedNow);
  EXPECT_TRUE(tests->fresh.baseline.Verdict().has_value());
  EXPECT_EQ(run.App().Lists().ListaGenerada(), generated);
  for (size_t k = 0; k <= kMaxPositions; ++k) {
    EXPECT_EQ(run.Model().CboBal[k].items, before.CboBal[k].items);
    EXPECT_EQ(run.Model().CboBal[k].text, before.CboBal[k].text);
  }
  EXPECT_EQ(run.Model().combinations.LineasComb, before.combinations.LineasComb);

  History planted = run.Model().history;
  for (int d = 161; d <= 260; ++d) planted.Pos[0][d - 1] = static_cast<quint8>((planted.P(1, d) + 3) % 10);
  const FreshDrawTest again = TestOnFreshDraws(planted, {}, 0, 1, 3);
  EXPECT_EQ(again.CombPos, tests->fresh.CombPos);

  planted.DrawCount = 200;
  EXPECT_TRUE(TestOnFreshDraws(planted, {}, 0, 1, 3).problem.contains(QStringLiteral("al menos 201 sorteos")));
}

}  // namespace
}  // namespace tombolix::test
