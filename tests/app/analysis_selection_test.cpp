#include "app/pane_table.h"
#include "support/app_test_access.h"
#include "support/loaded_program.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

constexpr Rgb kShown = MakeRgb(192, 255, 255);
constexpr Rgb kOther = MakeRgb(224, 224, 224);
constexpr Rgb kGreen = MakeRgb(0, 255, 0);

class AnalysisSelectionTest : public LoadedProgramTest {
 protected:
  // Reports already in every pane, so selections show them without computing.
  void FillPanes() {
    for (int p = 1; p < kPaneCount; ++p) Pane(p).report.SetText(QStringLiteral("report %1").arg(p));
  }
  ReportPane& Pane(int p) { return M().RtfReporte[static_cast<size_t>(p)]; }
};

TEST_F(AnalysisSelectionTest, SeparatorRowsGoBackToTheLastRowAndChangeNothing) {
  Load(SixNumberHistory(30));
  FillPanes();
  M().CmdFuncion[4].backColour = kGreen;
  for (int row : {0, 2, 5, 8, 11, 16, 19, 21, 22}) {
    run.App().LstFormula_Click(row);
    EXPECT_EQ(M().LstFormula.selectedRow, 22) << row;
    EXPECT_EQ(M().visiblePane, 0) << row;
  }
  EXPECT_EQ(M().CmdFuncion[4].backColour, kGreen);
  EXPECT_EQ(run.Host().MessageCount(), 1);  // only the welcome
}

TEST_F(AnalysisSelectionTest, AnalysisRowsShowTheirPaneAndRecolourTheButtons) {
  Load(SixNumberHistory(100));
  FillPanes();
  M().CmdFuncion[4].backColour = kGreen;
  M().CmdFuncion[7].backColour = kGreen;
  run.App().LstFormula_Click(3);
  EXPECT_EQ(M().visiblePane, 2);
  EXPECT_EQ(Pane(2).report.Text(), QStringLiteral("report 2"));
  EXPECT_EQ(M().CmdFuncion[4].backColour, MakeRgb(192, 255, 192));
  EXPECT_EQ(M().CmdFuncion[7].backColour, MakeRgb(255, 255, 192));
}

TEST_F(AnalysisSelectionTest, RowsNeedingMoreThanAHundredDrawsWarnThenClear) {
  Load(SixNumberHistory(100));
  FillPanes();
  for (int row : {1, 4, 7, 10, 14, 15}) {
    AppTestAccess::ShowReportPane(run.App(), 2);
    run.App().CboBal_SetText(1, QStringLiteral("05"));
    const int before = run.Host().MessageCount();
    run.App().LstFormula_Click(row);
    ASSERT_EQ(run.Host().MessageCount(), before + 1) << row;
    EXPECT_EQ(run.Host().LastMessage().text, Msg(TxtFaltanSorteos));
    EXPECT_EQ(run.Host().LastMessage().title, QStringLiteral("Tombolix - ") + AnalysisListRows()[row]);
    EXPECT_EQ(M().visiblePane, 0);
    EXPECT_EQ(M().CboBal[1].text, QStringLiteral("B1"));           // cleared
    EXPECT_EQ(Pane(2).report.Text(), QStringLiteral("report 2"));  // reports kept
  }
}

// With 101 draws the maps open; each pair reopens on the map shown last.
TEST_F(AnalysisSelectionTest, EachPairRemembersItsLastMap) {
  Load(SixNumberHistory(101));
  FillPanes();
  run.App().LstFormula_Click(4);
  EXPECT_EQ(M().visiblePane, 3);
  EXPECT_TRUE(M().LblMapas[1].visible);
  EXPECT_EQ(M().LblMapas[0].backColour, kShown);
  EXPECT_EQ(M().LblMapas[1].backColour, kOther);

  run.App().LblMapas_Click(1);
  EXPECT_EQ(M().visiblePane, 12);
  EXPECT_TRUE(Pane(12).flag);
  EXPECT_EQ(M().LblMapas[1].backColour, kShown);

  run.App().LstFormula_Click(7);  // another pair opens on its own memory: M1
  EXPECT_EQ(M().visiblePane, 5);

  run.App().LstFormula_Click(4);  // back to the first pair: straight to M2
  EXPECT_EQ(M().visiblePane, 12);
  EXPECT_EQ(M().LblMapas[1].backColour, kShown);

  run.App().LblMapas_Click(0);
  EXPECT_EQ(M().visiblePane, 3);
  EXPECT_FALSE(Pane(12).flag);
  EXPECT_FALSE(Pane(0).flag);  // the quiet-run flag is never touched

  run.App().LstFormula_Click(1);
  EXPECT_EQ(M().visiblePane, 1);
  EXPECT_FALSE(M().LblMapas[0].visible);
}

TEST_F(AnalysisSelectionTest, MapButtonsKeepTheirVisibilityDuringTheAiRun) {
  Load(SixNumberHistory(101));
  FillPanes();
  M().CmdFuncion[7].flag = true;
  AppTestAccess::ShowReportPane(run.App(), 7);
  EXPECT_FALSE(M().LblMapas[0].visible);
  M().CmdFuncion[7].flag = false;
  AppTestAccess::ShowReportPane(run.App(), 7);
  EXPECT_TRUE(M().LblMapas[0].visible);
}

// The row clears, waits a second, then opens the download page minimised.
TEST_F(AnalysisSelectionTest, BuscarHistorialesClearsThenOpensTheDownloadPage) {
  Load(SixNumberHistory(30));
  run.App().SetWebAddresses(SomeWebAddresses());
  AppTestAccess::ShowReportPane(run.App(), 2);
  const int before = run.Host().processEventsCount;
  run.App().LstFormula_Click(20);
  EXPECT_GE(run.Host().processEventsCount - before, 100);  // one second of waiting
  EXPECT_EQ(M().visiblePane, 0);
  EXPECT_EQ(run.Host().minimiseCount, 1);
  EXPECT_EQ(run.Host().openedUrls, QStringList{SomeWebAddresses().historyDownloads});
}

}  // namespace
}  // namespace tombolix::test
