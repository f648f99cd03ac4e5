#include "app/key_codes.h"
#include "app/pane_table.h"
#include "reports/start_pane.h"
#include "support/loaded_program.h"

#include <gtest/gtest.h>

#include <functional>

namespace tombolix::test {
namespace {

constexpr int kFrecuenciaRow = 3;
constexpr int kMapaFrecuenciaRow = 4;

class ComputePaneTest : public LoadedProgramTest {
 protected:
  void SetUp() override { Load(); }
  // True when some mark of the report was painted white (the colour passes ran).
  bool Coloured(int pane) {
    const ReportText& r = Report(pane);
    for (int i = 0; i < r.Length(); ++i) {
      if (r.StyleAt(i).colour == kWhite) return true;
    }
    return false;
  }
  // Runs `action` with `hook` called at every yield.
  void WhileYielding(const std::function<void()>& hook, const std::function<void()>& action) {
    run.Host().onProcessEvents = hook;
    action();
    run.Host().onProcessEvents = nullptr;
  }

  WindowModel& m = run.Model();
};

// A report is computed once per load, an empty one included: only " " means "not computed".
TEST_F(ComputePaneTest, ReportsAreComputedOnceEvenWhenEmpty) {
  run.App().LstFormula_Click(kFrecuenciaRow);
  ASSERT_TRUE(Report(Pane::Frecuencia).Text().startsWith(QStringLiteral("B1\r\n")));
  EXPECT_TRUE(Coloured(Pane::Frecuencia));
  // M2 was the map shown last, so the row opens it before any M1: nothing to group.
  m.SetShowsM2Last(Pane::MapaFrecuenciaM2, true);
  run.App().LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_EQ(Report(Pane::MapaFrecuenciaM2).Text(), QString());
  EXPECT_TRUE(Report(Pane::MapaFrecuenciaM1).IsEmptyMarker());

  const quint64 frequency = Report(Pane::Frecuencia).Generation();
  const quint64 m2 = Report(Pane::MapaFrecuenciaM2).Generation();
  const int yields = run.Host().processEventsCount;
  run.App().LstFormula_Click(kFrecuenciaRow);
  run.App().LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);
  EXPECT_EQ(Report(Pane::MapaFrecuenciaM2).Generation(), m2);
  EXPECT_EQ(run.Host().processEventsCount, yields);
}

TEST_F(ComputePaneTest, ReplayMapRestoresSelectorsAndBeeps) {
  m.CboBal[2].text = QStringLiteral("07");  // a number the user picked
  const QStringList listBefore = m.CboBal[1].items;
  QStringList progress;
  WhileYielding([&] { progress.append(m.LblAjuste.caption); }, [&] { run.App().LstFormula_Click(kMapaFrecuenciaRow); });
  EXPECT_TRUE(Report(Pane::MapaFrecuenciaM1).Text().startsWith(m.history.Date(120)));
  EXPECT_TRUE(Coloured(Pane::MapaFrecuenciaM1));
  EXPECT_EQ(m.CboBal[1].text, QStringLiteral("B1"));
  EXPECT_EQ(m.CboBal[2].text, QStringLiteral("07"));
  EXPECT_EQ(m.CboBal[1].items, listBefore);
  EXPECT_EQ(run.Host().beepCount, 1);
  EXPECT_TRUE(progress.contains(QStringLiteral("Procesando... 37%")));
  EXPECT_TRUE(m.LblAjuste.caption.isEmpty());
  EXPECT_FALSE(m.busy);

  run.App().LblMapas_Click(1);  // M2 groups those rows once
  EXPECT_FALSE(Report(Pane::MapaFrecuenciaM2).IsEmptyMarker());
  for (const QString& row : m.arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
}

// Opens a pane as the user would: its list row, or its command (BUSCAR with a number chosen).
void Open(ProgramRun& run, const PaneRow& row) {
  if (row.pane == Pane::Start) run.App().CboBal_SetText(1, run.Model().CboBal[1].items.value(0));
  if (row.listRow >= 0) {
    run.App().LstFormula_Click(row.listRow);
  } else {
    run.App().RunCommand(row.command);
  }
}

// Escape during the colour passes of a stoppable report ends the run through
// the stop routine: no half-coloured report is left, pane 0 shows the reloaded
// history, and the next pick computes the report afresh.
TEST_F(ComputePaneTest, EscapeWhileAReportIsColouredLeavesNoHalfColouredReport) {
  std::vector<int> tried;
  for (const PaneRow& row : PaneTable()) {
    if (!row.escapeStops || (row.compute == nullptr && row.routine == PaneRoutine::None && row.command < 0)) continue;
    SCOPED_TRACE(row.toolName);
    bool pressed = false;
    auto hook = [&] {
      if (pressed || !m.busy || !Coloured(row.pane)) return;
      pressed = true;
      run.App().KeyDown(KeyCode::Escape, 0);
    };
    WhileYielding(hook, [&] { Open(run, row); });
    if (!pressed) continue;
    tried.push_back(row.pane);
    EXPECT_FALSE(m.busy);
    EXPECT_FALSE(m.StopRequested);
    EXPECT_EQ(m.visiblePane, Pane::Start);
    EXPECT_EQ(Report(Pane::Start).Text(), StartPaneText(120));
    EXPECT_TRUE(row.pane == Pane::Start || Report(row.pane).IsEmptyMarker());

    Open(run, row);
    EXPECT_TRUE(Coloured(row.pane));
    EXPECT_FALSE(m.busy);
  }
  EXPECT_EQ(tried, (std::vector<int>{0, 1, 3, 5, 11, 14, 19}));
}

// An idle Escape (LIMPIAR) arms nothing for the next run, and Escape during a
// report that cannot stop leaves it whole.
TEST_F(ComputePaneTest, EscapeStopsNothingItWasNotMeantFor) {
  run.App().KeyDown(KeyCode::Escape, 0);
  EXPECT_FALSE(m.StopRequested);
  WhileYielding([&] { run.App().KeyDown(KeyCode::Escape, 0); }, [&] { run.App().LstFormula_Click(kFrecuenciaRow); });
  EXPECT_TRUE(Coloured(Pane::Frecuencia));
  EXPECT_FALSE(m.StopRequested);
  run.App().LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_TRUE(Coloured(Pane::MapaFrecuenciaM1));
  EXPECT_EQ(run.Host().beepCount, 1);
}

TEST_F(ComputePaneTest, ClosingDuringAComputationEndsItWithoutAReload) {
  run.App().LstFormula_Click(kFrecuenciaRow);
  const quint64 frequency = Report(Pane::Frecuencia).Generation();
  bool closed = false;
  int count = 0;
  auto hook = [&] {
    if (++count != 3) return;
    run.Host().QueueAnswer(MessageAnswer::Yes);
    closed = run.App().QueryClose();
  };
  WhileYielding(hook, [&] { run.App().LstFormula_Click(kMapaFrecuenciaRow); });
  EXPECT_TRUE(closed);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);  // nothing reloaded
  EXPECT_FALSE(m.ReloadPending());
  // Nothing new starts while the program ends.
  run.App().RunCommand(Command::Limpiar);
  run.App().LstFormula_Click(kFrecuenciaRow);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);
  EXPECT_EQ(m.visiblePane, Pane::MapaFrecuenciaM1);
}

}  // namespace
}  // namespace tombolix::test
