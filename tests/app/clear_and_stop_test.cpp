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
  PaneText(2).SetText(QStringLiteral("old report"));
  run.App().CboLoteria_Click(1);  // the change runs LIMPIAR, which reloads
  const WindowModel& m = run.Model();
  EXPECT_EQ(m.history.DrawCount, 45);
  EXPECT_TRUE(PaneText(2).IsEmptyMarker());
  EXPECT_FALSE(m.ReloadPending());

  PaneText(2).SetText(QStringLiteral("new report"));
  PaneText(12).SetText(QStringLiteral("map"));
  run.App().ShowReportPane(2);
  run.App().CboBal_SetText(1, QStringLiteral("12"));
  run.App().CboBal_SetText(3, QString());
  run.App().RunCommand(3);
  EXPECT_EQ(m.history.DrawCount, 45);
  EXPECT_EQ(PaneText(2).Text(), QStringLiteral("new report"));
  EXPECT_EQ(PaneText(12).Text(), QStringLiteral("map"));
  EXPECT_EQ(m.visiblePane, 0);
  EXPECT_EQ(PaneText(0).Text(), StartPaneText(45));
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(m.CboBal[static_cast<size_t>(k)].text, QStringLiteral("B%1").arg(k));
  EXPECT_EQ(m.LblAjuste.caption, QString());
  EXPECT_EQ(m.focus, (Focus{FocusTarget::LstFormula, 0}));
  EXPECT_EQ(m.CboLoteria.Tag, QStringLiteral("0"));
}

TEST_F(ClearAndStopTest, ReloadResetsPanesMapsAndArrays) {
  WindowModel& m = run.Model();
  m.RtfReporte[12].Tag = QStringLiteral("1");
  m.RtfReporte[21].Tag = QStringLiteral("1");
  m.LblMapas[0].Tag = QStringLiteral("3");
  m.LblMapas[1].Tag = QStringLiteral("12");
  m.LblMapas[0].backColour = MakeRgb(224, 224, 224);
  m.arrays.FrequencyMapRows = QStringList{QStringLiteral("a"), QStringLiteral("b")};
  m.TmrGameplay.enabled = true;
  m.TmrGameplay.Tag = QStringLiteral("57");
  PaneText(7).SetText(QStringLiteral("forecast"));
  m.CmdFuncion[2].Tag = QStringLiteral("1");
  run.App().RunCommand(3);
  EXPECT_TRUE(PaneText(7).IsEmptyMarker());
  EXPECT_EQ(m.RtfReporte[12].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.RtfReporte[21].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LblMapas[0].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LblMapas[1].Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LblMapas[0].backColour, MakeRgb(192, 255, 255));
  EXPECT_EQ(m.LblMapas[1].backColour, MakeRgb(224, 224, 224));
  EXPECT_EQ(m.arrays.FrequencyMapRows, QStringList{QString()});
  EXPECT_FALSE(m.TmrGameplay.enabled);
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("0"));
  EXPECT_EQ(m.history.DrawCount, 30);
  EXPECT_EQ(m.CboLoteria.items.size(), 2);
}

TEST_F(ClearAndStopTest, EscapeStopsAWatchingComputationAndReloads) {
  PaneText(2).SetText(QStringLiteral("kept until the reload"));
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
  EXPECT_EQ(m.history.DrawCount, 30);
  EXPECT_TRUE(m.CboLoteria.enabled);
  EXPECT_TRUE(m.CmdFuncion[0].enabled);
}

TEST_F(ClearAndStopTest, EscapeDoesNotStopAComputationThatDoesNotWatch) {
  EscapeAtYield(5);
  EXPECT_TRUE(RunStoppable(run.App(), 2, 20));
  EXPECT_EQ(PaneText(2).Text(), QString(20, QLatin1Char('x')));
  EXPECT_FALSE(run.Model().StopRequested);
}

TEST_F(ClearAndStopTest, EscapeWhileIdleClearsAndLeavesNoStopRequest) {
  run.App().CboBal_SetText(2, QStringLiteral("07"));
  run.App().KeyDown(KeyCode::Escape, kShift);
  EXPECT_EQ(run.Model().CboBal[2].text, QStringLiteral("B2"));
  EXPECT_FALSE(run.Model().StopRequested);
  EXPECT_TRUE(RunStoppable(run.App(), 1, 10));
}

TEST_F(ClearAndStopTest, OtherKeysDoNothingYet) {
  run.App().CboBal_SetText(2, QStringLiteral("07"));
  for (int key : {KeyCode::F1 + 1, KeyCode::F1 + 6, KeyCode::LetterA + 25, KeyCode::LetterA + 6}) {
    run.App().KeyDown(key, kCtrl | kAlt);
  }
  EXPECT_EQ(run.Model().CboBal[2].text, QStringLiteral("07"));
  EXPECT_EQ(run.Model().visiblePane, 0);
  EXPECT_FALSE(run.Model().StopRequested);
}

TEST_F(ClearAndStopTest, EscapeDuringTheLoadDoesNotStopTheNextReport) {
  // Pane 0 is visible and the window busy while the history is read.
  EscapeAtYield(1);
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
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
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

TEST_F(ClearAndStopTest, AutoScrollMovesOneLinePerTickThenStops) {
  WindowModel& m = run.Model();
  PaneText(0).SetText(QStringLiteral("ab\r\ncd\r\nef"));
  m.TmrGameplay.enabled = true;
  run.App().TmrGameplay_Timer();
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("3"));  // 1-based position of the first CR LF
  EXPECT_EQ(PaneText(0).Caret(), 3);
  run.App().TmrGameplay_Timer();
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("7"));
  run.App().TmrGameplay_Timer();
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("0"));  // no line break left
  m.TmrGameplay.Tag = QStringLiteral("9");
  const int before = run.Host().processEventsCount;
  run.App().TmrGameplay_Timer();
  EXPECT_FALSE(m.TmrGameplay.enabled);
  EXPECT_EQ(m.TmrGameplay.Tag, QStringLiteral("0"));
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
  const int before = run.Host().processEventsCount;
  app.Step();
  EXPECT_EQ(run.Host().processEventsCount, before + 1);
}

}  // namespace
}  // namespace tombolix::test
