#include "app/key_codes.h"
#include "app/pane_table.h"
#include "reports/start_pane.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

constexpr int kFrecuenciaRow = 3;
constexpr int kMapaFrecuenciaRow = 4;

class ComputePaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.AddHistory(QStringLiteral("Seis"), SixNumberHistory(120));
    ASSERT_TRUE(run.StartAndLoad());
    ASSERT_EQ(run.Model().history.DrawCount, 120);
    run.App().SetSoundEnabled(false);
  }
  ReportText& Report(int pane) { return run.Model().RtfReporte[static_cast<size_t>(pane)].report; }
  // True when some mark of the report was painted white (the colour passes ran).
  bool Coloured(int pane) {
    const ReportText& r = Report(pane);
    for (int i = 0; i < r.Length(); ++i) {
      if (r.StyleAt(i).colour == kWhite) return true;
    }
    return false;
  }

  ProgramRun run;
};

// A report is computed once per load, an empty one included: only " " means "not computed".
TEST_F(ComputePaneTest, ReportsAreComputedOnceEvenWhenEmpty) {
  TombolixApp& app = run.App();
  app.LstFormula_Click(kFrecuenciaRow);
  ASSERT_TRUE(Report(Pane::Frecuencia).Text().startsWith(QStringLiteral("B1\r\n")));
  EXPECT_TRUE(Coloured(Pane::Frecuencia));
  EXPECT_FALSE(run.Model().busy);
  // M2 was the map shown last, so the row opens it before any M1: nothing to group.
  run.Model().RtfReporte[Pane::MapaFrecuenciaM2].Tag = QStringLiteral("1");
  app.LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_EQ(Report(Pane::MapaFrecuenciaM2).Text(), QString());
  EXPECT_TRUE(Report(Pane::MapaFrecuenciaM1).IsEmptyMarker());

  const quint64 frequency = Report(Pane::Frecuencia).Generation();
  const quint64 m2 = Report(Pane::MapaFrecuenciaM2).Generation();
  const int yields = run.Host().processEventsCount;
  app.LstFormula_Click(kFrecuenciaRow);
  app.LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);
  EXPECT_EQ(Report(Pane::MapaFrecuenciaM2).Generation(), m2);
  EXPECT_EQ(run.Host().processEventsCount, yields);
  EXPECT_TRUE(run.Model().RtfReporte[Pane::MapaFrecuenciaM2].visible);
}

TEST_F(ComputePaneTest, ReplayMapRestoresSelectorsAndBeeps) {
  TombolixApp& app = run.App();
  WindowModel& m = run.Model();
  m.CboBal[2].text = QStringLiteral("07");  // a number the user picked
  const QStringList listBefore = m.CboBal[1].items;
  QStringList progress;
  run.Host().onProcessEvents = [&] { progress.append(m.LblAjuste.caption); };
  app.LstFormula_Click(kMapaFrecuenciaRow);

  EXPECT_TRUE(Report(Pane::MapaFrecuenciaM1).Text().startsWith(m.history.Date(120)));
  EXPECT_TRUE(Coloured(Pane::MapaFrecuenciaM1));
  EXPECT_EQ(m.CboBal[1].text, QStringLiteral("B1"));
  EXPECT_EQ(m.CboBal[2].text, QStringLiteral("07"));
  EXPECT_EQ(m.CboBal[1].items, listBefore);
  EXPECT_EQ(run.Host().beepCount, 1);
  EXPECT_TRUE(progress.contains(QStringLiteral("Procesando... 37%")));
  EXPECT_TRUE(m.LblAjuste.caption.isEmpty());
  EXPECT_FALSE(m.busy);

  // M2 groups those rows once.
  app.LblMapas_Click(1);
  EXPECT_FALSE(Report(Pane::MapaFrecuenciaM2).IsEmptyMarker());
  for (const QString& row : m.arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
}

TEST_F(ComputePaneTest, EscapeDuringTheReplayStopsAndReloads) {
  TombolixApp& app = run.App();
  WindowModel& m = run.Model();
  app.LstFormula_Click(kFrecuenciaRow);  // a report the reload will discard
  const QString caption = m.caption;
  // The window is minimised while the replay runs, and brought back just as Escape is pressed.
  run.Host().minimised = true;
  int yields = 0;
  run.Host().onProcessEvents = [&] {
    if (!m.busy || !m.RtfReporte[Pane::MapaFrecuenciaM1].visible || ++yields != 41) return;
    EXPECT_EQ(m.caption, QStringLiteral("39% << Tombolix"));
    run.Host().minimised = false;
    app.KeyDown(KeyCode::Escape, 0);
  };
  app.LstFormula_Click(kMapaFrecuenciaRow);
  run.Host().onProcessEvents = nullptr;

  EXPECT_EQ(yields, 41);  // the replay stopped at the step that read the key
  EXPECT_FALSE(m.StopRequested);
  EXPECT_FALSE(m.busy);
  EXPECT_EQ(run.Host().beepCount, 0);
  EXPECT_EQ(m.history.DrawCount, 120);
  for (int pane = 1; pane < kPaneCount; ++pane) EXPECT_TRUE(Report(pane).IsEmptyMarker()) << pane;
  EXPECT_EQ(m.arrays.FrequencyMapRows, QStringList{QString()});
  EXPECT_TRUE(m.RtfReporte[Pane::Start].visible);
  EXPECT_EQ(m.caption, caption);
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
// the stop routine: the pane is left with no report (the next pick computes it
// afresh), pane 0 shows the reloaded history, and no request is left behind.
TEST_F(ComputePaneTest, EscapeWhileAReportIsColouredLeavesNoHalfColouredReport) {
  WindowModel& m = run.Model();
  std::vector<int> tried;
  for (const PaneRow& row : PaneTable()) {
    if (!row.escapeStops || (row.compute == nullptr && row.routine == nullptr && row.command < 0)) continue;
    SCOPED_TRACE(row.toolName);
    bool pressed = false;
    run.Host().onProcessEvents = [&] {
      if (pressed || !m.busy || !Coloured(row.pane)) return;
      pressed = true;
      run.App().KeyDown(KeyCode::Escape, 0);
    };
    Open(run, row);
    run.Host().onProcessEvents = nullptr;
    if (!pressed) continue;  // a report this build does not compute yet
    tried.push_back(row.pane);
    EXPECT_FALSE(m.busy);
    EXPECT_FALSE(m.StopRequested);
    EXPECT_EQ(m.visiblePane, Pane::Start);
    EXPECT_EQ(Report(Pane::Start).Text(), StartPaneText(120));
    if (row.pane != Pane::Start) {
      EXPECT_TRUE(Report(row.pane).IsEmptyMarker());
    }

    // Picked again, it is computed afresh and coloured to the end.
    Open(run, row);
    EXPECT_FALSE(Report(row.pane).IsEmptyMarker());
    EXPECT_TRUE(Coloured(row.pane));
    EXPECT_FALSE(m.busy);
  }
  EXPECT_EQ(tried, (std::vector<int>{0, 1, 3, 5, 11, 14, 19}));
}

// Escape only stops the computations that watch for it, and only while they
// run: an idle Escape (LIMPIAR) arms nothing for the next run, and Escape
// during a report that cannot stop leaves it whole.
TEST_F(ComputePaneTest, EscapeStopsNothingItWasNotMeantFor) {
  WindowModel& m = run.Model();
  run.App().KeyDown(KeyCode::Escape, 0);
  EXPECT_FALSE(m.StopRequested);
  run.Host().onProcessEvents = [&] { run.App().KeyDown(KeyCode::Escape, 0); };
  run.App().LstFormula_Click(kFrecuenciaRow);
  run.Host().onProcessEvents = nullptr;
  EXPECT_TRUE(Coloured(Pane::Frecuencia));
  EXPECT_FALSE(m.StopRequested);
  run.App().LstFormula_Click(kMapaFrecuenciaRow);
  EXPECT_TRUE(Coloured(Pane::MapaFrecuenciaM1));
  EXPECT_EQ(run.Host().beepCount, 1);
}

TEST_F(ComputePaneTest, ClosingDuringAComputationEndsItWithoutAReload) {
  TombolixApp& app = run.App();
  app.LstFormula_Click(kFrecuenciaRow);
  const quint64 frequency = Report(Pane::Frecuencia).Generation();
  bool closed = false;
  run.Host().onProcessEvents = [&, count = 0]() mutable {
    if (++count == 3) {
      run.Host().QueueAnswer(MessageAnswer::Yes);
      closed = app.QueryClose();
    }
  };
  const int yieldsBefore = run.Host().processEventsCount;
  app.LstFormula_Click(kMapaFrecuenciaRow);
  run.Host().onProcessEvents = nullptr;
  EXPECT_TRUE(closed);
  EXPECT_EQ(run.Host().processEventsCount - yieldsBefore, 3);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);  // nothing reloaded
  EXPECT_FALSE(run.Model().ReloadPending());
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  // Nothing new starts while the program ends.
  app.RunCommand(Command::Limpiar);
  app.LstFormula_Click(kFrecuenciaRow);
  EXPECT_EQ(Report(Pane::Frecuencia).Generation(), frequency);
  EXPECT_EQ(run.Model().visiblePane, Pane::MapaFrecuenciaM1);
}

}  // namespace
}  // namespace tombolix::test
