#include "app/key_codes.h"
#include "reports/start_pane.h"
#include "support/fake_platform.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

// A long computation written the way the analyses are: busy state, one
// yield per step, the stop check after each yield. False when it stopped.
bool RunStoppable(TombolixApp& app, int pane, int steps) {
  app.ShowReportPane(pane);
  app.EnableControls(false);
  for (int i = 0; i < steps; ++i) {
    app.Step();
    if (app.StopRequested()) {
      app.AbortAnalysis();
      return false;
    }
    app.Model().RtfReporte[static_cast<size_t>(pane)].report.Append(QLatin1Char('x'));
  }
  app.EnableControls(true);
  return true;
}

class ClearAndStopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30, 1));
    run.AddHistory(QStringLiteral("Beta"), SixNumberHistory(45, 2));
    ASSERT_TRUE(run.StartAndLoad());
  }
  // Presses Escape at the `n`-th yield from now.
  void EscapeAtYield(int n) {
    run.Host().onProcessEvents = [this, n, count = 0]() mutable {
      if (++count == n) run.App().KeyDown(KeyCode::Escape, 0);
    };
  }
  ReportText& PaneText(int pane) { return run.Model().RtfReporte[static_cast<size_t>(pane)].report; }

  ProgramRun run;
};

TEST_F(ClearAndStopTest, AfterALotteryChangeTheFirstClearReloadsTheSecondOnlyClears) {
  WindowModel& m = run.Model();
  PaneText(2).SetText(QStringLiteral("old report"));
  m.RtfReporte[12].Tag = QStringLiteral("1");
  m.LblMapas[1].Tag = QStringLiteral("12");
  m.LblMapas[0].backColour = MakeRgb(224, 224, 224);
  m.arrays.FrequencyMapRows = QStringList{QStringLiteral("a"), QStringLiteral("b")};
  m.TmrGameplay = TimerState{true, 500, QStringLiteral("57")};
  run.App().CboLoteria_Click(1);  // the change runs LIMPIAR, which reloads
  EXPECT_EQ(m.history.DrawCount, 45);
  EXPECT_TRUE(PaneText(2).IsEmptyMarker());
  EXPECT_FALSE(m.ReloadPending());
  EXPECT_EQ(m.RtfReporte[12].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LblMapas[1].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LblMapas[0].backColour, MakeRgb(192, 255, 255));
  EXPECT_EQ(m.arrays.FrequencyMapRows, QStringList{QString()});
  EXPECT_FALSE(m.TmrGameplay.enabled);
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("0"));

  PaneText(2).SetText(QStringLiteral("new report"));
  run.App().ShowReportPane(2);
  run.App().CboBal_SetText(1, QStringLiteral("12"));
  run.App().RunCommand(3);
  EXPECT_EQ(PaneText(2).Text(), QStringLiteral("new report"));
  EXPECT_EQ(m.visiblePane, 0);
  EXPECT_EQ(PaneText(0).Text(), StartPaneText(45));
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(m.CboBal[static_cast<size_t>(k)].text, QStringLiteral("B%1").arg(k));
  EXPECT_EQ(m.focus, (Focus{FocusTarget::LstFormula, 0}));
  EXPECT_EQ(m.CboLoteria.Tag, QStringLiteral("0"));
}

// Escape at a yield stops only the computations that watch the stop request
// (pane 1 does, pane 2 does not); a stopped one ends in a reload.
TEST_F(ClearAndStopTest, EscapeStopsAWatchingComputationAndReloads) {
  EscapeAtYield(5);
  EXPECT_TRUE(RunStoppable(run.App(), 2, 20));
  EXPECT_EQ(PaneText(2).Text(), QString(20, QLatin1Char('x')));
  EXPECT_FALSE(run.Model().StopRequested);

  EscapeAtYield(5);
  EXPECT_FALSE(RunStoppable(run.App(), 1, 100));
  const WindowModel& m = run.Model();
  EXPECT_FALSE(m.busy);
  EXPECT_FALSE(m.StopRequested);
  EXPECT_FALSE(m.ReloadPending());
  EXPECT_TRUE(PaneText(1).IsEmptyMarker());
  EXPECT_TRUE(PaneText(2).IsEmptyMarker());
  EXPECT_EQ(m.visiblePane, 0);
  EXPECT_EQ(PaneText(0).Text(), StartPaneText(30));
  EXPECT_TRUE(m.CboLoteria.enabled);
}

// A stop request must never outlive the computation it was meant for: Escape
// while idle is LIMPIAR only, and Escape during the load is dropped with the
// busy state. Either would otherwise stop the next report at its first step.
TEST_F(ClearAndStopTest, NoStopRequestOutlivesTheBusyState) {
  run.App().CboBal_SetText(2, QStringLiteral("07"));
  run.App().KeyDown(KeyCode::Escape, kShift);
  EXPECT_EQ(run.Model().CboBal[2].text, QStringLiteral("B2"));
  EXPECT_TRUE(RunStoppable(run.App(), 1, 10));

  EscapeAtYield(1);  // pane 0 is visible and the window busy while the history is read
  run.Model().CmdFuncion[2].Tag = QStringLiteral("1");
  run.App().RunCommand(3);
  run.Host().onProcessEvents = nullptr;
  EXPECT_FALSE(run.Model().StopRequested);
  EXPECT_TRUE(RunStoppable(run.App(), 19, 10));
}

TEST_F(ClearAndStopTest, ClosingAnsweredNoChangesNothing) {
  EXPECT_FALSE(run.App().QueryClose());  // the default answer is No
  const RecordedMessage& question = run.Host().LastMessage();
  EXPECT_EQ(question.text, Msg(18));
  EXPECT_EQ(question.title, QString::fromUtf8("Tombolix - Cerrar Aplicación"));
  EXPECT_EQ(question.icon, MessageIcon::Exclamation);
  EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
  EXPECT_EQ(run.Model().AnalysisWindow, 100);
  EXPECT_FALSE(run.Model().closingConfirmed);
  EXPECT_TRUE(RunStoppable(run.App(), 1, 5));

  run.Host().QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(run.App().QueryClose());
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  EXPECT_TRUE(run.Model().closingConfirmed);
}

TEST_F(ClearAndStopTest, ClosingDuringAComputationEndsItWithoutAReload) {
  PaneText(2).SetText(QStringLiteral("report"));
  bool closed = false;
  run.Host().onProcessEvents = [&, count = 0]() mutable {
    if (++count == 3) {
      run.Host().QueueAnswer(MessageAnswer::Yes);
      closed = run.App().QueryClose();
    }
  };
  const int yieldsBefore = run.Host().processEventsCount;
  EXPECT_FALSE(RunStoppable(run.App(), 1, 100));
  EXPECT_TRUE(closed);
  EXPECT_EQ(run.Host().processEventsCount - yieldsBefore, 3);
  EXPECT_EQ(PaneText(2).Text(), QStringLiteral("report"));  // nothing reloaded
  EXPECT_FALSE(run.Model().ReloadPending());
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  // Nothing new starts while the program ends.
  run.App().RunCommand(3);
  run.App().LstFormula_Click(3);
  EXPECT_EQ(PaneText(2).Text(), QStringLiteral("report"));
  EXPECT_EQ(run.Model().visiblePane, 1);
}

TEST_F(ClearAndStopTest, AutoScrollMovesOneLinePerTickThenWaitsAndStops) {
  WindowModel& m = run.Model();
  PaneText(0).SetText(QStringLiteral("ab\r\ncd\r\nef"));
  m.TmrGameplay.enabled = true;
  for (int line : {3, 7, 0}) {  // 1-based positions of the CR LFs, then none left
    run.App().TmrGameplay_Timer();
    EXPECT_EQ(m.TmrGameplay.Tag, QString::number(line));
    EXPECT_EQ(PaneText(0).Caret(), line);
  }
  m.TmrGameplay.Tag = QStringLiteral("9");  // past the end
  const int before = run.Host().processEventsCount;
  run.App().TmrGameplay_Timer();
  EXPECT_FALSE(m.TmrGameplay.enabled);
  EXPECT_EQ(run.Host().processEventsCount - before, 3000);  // thirty seconds of waiting
}

TEST_F(ClearAndStopTest, PauseYieldsUntilTheClockHasMoved) {
  const int before = run.Host().processEventsCount;
  run.App().Pause(2);  // the fake clock moves 10 ms per yield
  EXPECT_EQ(run.Host().processEventsCount - before, 200);
  run.App().Pause(0);
  EXPECT_EQ(run.Host().processEventsCount - before, 200);
}

TEST_F(ClearAndStopTest, ProgressShowsInTheStatusLineAndTheMinimisedCaption) {
  TombolixApp& app = run.App();
  app.Progress(37, false);
  EXPECT_EQ(run.Model().LblAjuste.caption, QStringLiteral("Procesando... 37%"));
  EXPECT_EQ(run.Model().caption, QStringLiteral("Tombolix 15.24"));
  run.Host().minimised = true;
  app.Progress(38, false);
  EXPECT_EQ(run.Model().caption, QStringLiteral("38% << Tombolix"));
  app.Progress(100, true);
  EXPECT_EQ(run.Model().caption, QStringLiteral("Tombolix 15.24"));
}

}  // namespace
}  // namespace tombolix::test
