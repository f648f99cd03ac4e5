#include "reports/start_pane.h"
#include "support/app_test_access.h"
#include "support/loaded_program.h"
#include "support/log_capture.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class ClearAndStopTest : public LoadedProgramTest {
 protected:
  void SetUp() override {
    run.AddHistory(QStringLiteral("Beta"), SixNumberHistory(45, 2));
    Load(SixNumberHistory(30, 1), QStringLiteral("Alfa"));
  }
};

TEST_F(ClearAndStopTest, AfterALotteryChangeTheFirstClearReloadsTheSecondOnlyClears) {
  WindowModel& m = run.Model();
  Report(2).SetText(QStringLiteral("old report"));
  m.RtfReporte[12].flag = true;
  m.LblMapas[1].pane = 12;
  m.LblMapas[0].backColour = MakeRgb(224, 224, 224);
  m.arrays.FrequencyMapRows = QStringList{QStringLiteral("a"), QStringLiteral("b")};
  m.TmrGameplay = TimerState{true, 500, 57};
  run.App().CboLoteria_Click(1);  // the change runs LIMPIAR, which reloads
  EXPECT_EQ(m.history.DrawCount, 45);
  EXPECT_TRUE(Report(2).IsEmptyMarker());
  EXPECT_FALSE(m.ReloadPending());
  EXPECT_FALSE(m.RtfReporte[12].flag);
  EXPECT_EQ(m.LblMapas[0].backColour, MakeRgb(192, 255, 255));
  EXPECT_EQ(m.arrays.FrequencyMapRows, QStringList{QString()});
  EXPECT_FALSE(m.TmrGameplay.enabled);

  Report(2).SetText(QStringLiteral("new report"));
  AppTestAccess::ShowReportPane(run.App(), 2);
  run.App().CboBal_SetText(1, QStringLiteral("12"));
  run.App().RunCommand(3);
  EXPECT_EQ(Report(2).Text(), QStringLiteral("new report"));
  EXPECT_EQ(m.visiblePane, 0);
  EXPECT_EQ(Report(0).Text(), StartPaneText(45));
  EXPECT_EQ(m.CboBal[1].text, QStringLiteral("B1"));
  EXPECT_EQ(m.focus, (Focus{FocusTarget::LstFormula, 0}));
}

TEST_F(ClearAndStopTest, ClosingAnsweredNoChangesNothing) {
  EXPECT_FALSE(run.App().QueryClose());  // the default answer is No
  EXPECT_EQ(run.Host().LastMessage().text, Msg(TxtConfirmarSalida));
  EXPECT_EQ(run.Model().AnalysisWindow, 100);
  EXPECT_FALSE(run.Model().closingConfirmed);
  run.App().LstFormula_Click(3);  // the program still computes
  EXPECT_FALSE(Report(2).IsEmptyMarker());

  run.Host().QueueAnswer(MessageAnswer::Yes);
  LogCapture log;
  EXPECT_TRUE(run.App().QueryClose());
  EXPECT_EQ(log.Matching(QStringLiteral("fin del programa: ventana cerrada por el usuario")).size(), 1);
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  EXPECT_TRUE(run.Model().closingConfirmed);
}

// One line per tick; where no line break follows, as at the end of the text,
// the scroll stops, waits thirty seconds and runs REINICIAR (which reloads).
TEST_F(ClearAndStopTest, AutoScrollMovesOneLinePerTickThenWaitsAndStops) {
  WindowModel& m = run.Model();
  for (const int start : {0, 9}) {  // from the top; past the end
    SCOPED_TRACE(start);
    AppTestAccess::ShowReportPane(run.App(), 0);
    Report(0).SetText(QStringLiteral("ab\r\ncd\r\nef"));
    m.TmrGameplay = TimerState{true, 500, start};
    if (start == 0) {
      for (int line : {3, 7}) {  // 1-based positions of the CR LFs
        run.App().TmrGameplay_Timer();
        EXPECT_EQ(m.TmrGameplay.count, line);
        EXPECT_EQ(Report(0).Caret(), line);
      }
    }
    m.SetReloadPending(false);
    const int before = run.Host().processEventsCount;
    run.App().TmrGameplay_Timer();  // no line break after "ef"
    EXPECT_FALSE(m.TmrGameplay.enabled);
    EXPECT_EQ(m.TmrGameplay.count, 0);
    EXPECT_GE(run.Host().processEventsCount - before, 3000);          // thirty seconds of waiting
    EXPECT_EQ(Report(0).Text(), StartPaneText(m.history.DrawCount));  // reloaded
    EXPECT_FALSE(m.ReloadPending());
  }
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
