#include "history/catalogue.h"
#include "history/loader.h"
#include "reports/start_pane.h"
#include "support/fake_platform.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QDir>

namespace tombolix::test {
namespace {

class LotterySelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30, 1));
    run.AddHistory(QStringLiteral("Chance"), SixNumberHistory(40, 2));
    run.AddHistory(QStringLiteral("Quini"), SixNumberHistory(50, 3));
  }
  QString SelectionFile() const { return run.InProgram(QStringLiteral("Recursos/Tombolix.LTR")); }
  QString Loaded() { return run.Model().CboLoteria.Text(); }

  ProgramRun run;
};

TEST_F(LotterySelectionTest, FirstTickLoadsTheFirstLotteryThenThePickSurvivesARestart) {
  ASSERT_TRUE(run.StartAndLoad());
  const WindowModel& m = run.Model();
  EXPECT_EQ(m.CboLoteria.items,
            (QStringList{QStringLiteral("Alfa"), QStringLiteral("Chance"), QStringLiteral("Quini")}));
  EXPECT_EQ(Loaded(), QStringLiteral("Alfa"));
  EXPECT_EQ(m.RtfReporte[0].report.Text(), StartPaneText(30));
  EXPECT_FALSE(m.ReloadPending());
  EXPECT_FALSE(m.RtfFondo.visible);

  run.App().CboLoteria_Click(2);
  EXPECT_EQ(run.Model().history.DrawCount, 50);
  EXPECT_EQ(ReadSelectionIndex(SelectionFile()), std::optional<qint16>(2));
  run.Restart();
  ASSERT_TRUE(run.StartAndLoad());
  EXPECT_EQ(Loaded(), QStringLiteral("Quini"));
  EXPECT_EQ(run.Model().history.DrawCount, 50);
}

TEST_F(LotterySelectionTest, SavedLotteryGoneOrUnreadableLoadsTheFirst) {
  run.temp.MakeFolder(QStringLiteral("Tombolix/Recursos"));
  ASSERT_TRUE(WriteSelectionIndex(SelectionFile(), 2));
  QFile::remove(run.InProgram(QStringLiteral("Historiales/Quini.txt")));
  ASSERT_TRUE(run.StartAndLoad());
  EXPECT_EQ(Loaded(), QStringLiteral("Alfa"));
  EXPECT_EQ(run.Model().history.DrawCount, 30);
  EXPECT_EQ(ReadSelectionIndex(SelectionFile()), std::optional<qint16>(0));
  EXPECT_EQ(run.Host().quitCount, 0);

  run.temp.Write(QStringLiteral("Tombolix/Recursos/Tombolix.LTR"), "short");  // unreadable record
  run.Restart();
  ASSERT_TRUE(run.StartAndLoad());
  EXPECT_EQ(Loaded(), QStringLiteral("Alfa"));
}

TEST_F(LotterySelectionTest, GuardKeepsTheSelectionEventQuiet) {
  ASSERT_TRUE(run.StartAndLoad());
  run.Model().CboLoteria.selecting = true;
  run.App().CboLoteria_Click(1);
  EXPECT_EQ(Loaded(), QStringLiteral("Chance"));
  EXPECT_EQ(run.Model().history.DrawCount, 30);  // nothing reloaded
  EXPECT_EQ(ReadSelectionIndex(SelectionFile()), std::optional<qint16>(0));
}

// A file added before the chosen lottery shifts its position; the name keeps
// the choice, and the selection file follows the new position.
TEST_F(LotterySelectionTest, ChosenLotteryKeptByNameAcrossReiniciarAndRestart) {
  ASSERT_TRUE(run.StartAndLoad());
  run.App().CboLoteria_Click(2);
  run.AddHistory(QStringLiteral("Baloto"), SixNumberHistory(60, 4));
  run.App().RunCommand(Command::Reiniciar);
  EXPECT_EQ(Loaded(), QStringLiteral("Quini"));
  EXPECT_EQ(run.Model().history.DrawCount, 50);
  EXPECT_EQ(ReadSelectionIndex(SelectionFile()), std::optional<qint16>(3));
  QFile record(SelectionFile());
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  EXPECT_EQ(record.size(), kSelectionRecordSize);

  run.Restart();
  ASSERT_TRUE(run.StartAndLoad());
  EXPECT_EQ(Loaded(), QStringLiteral("Quini"));
  EXPECT_EQ(run.Model().history.DrawCount, 50);
}

TEST(NoLotteryTest, EmptyHistoryFolderEndsWithoutTheExitQuestion) {
  ProgramRun run;
  ASSERT_TRUE(run.App().Start());
  const int before = run.Host().MessageCount();
  run.App().TmrPublicidad_Timer();
  ASSERT_EQ(run.Host().MessageCount(), before + 1);
  EXPECT_EQ(run.Host().LastMessage().text, QString::fromUtf8("No se encontró ningún historial en la carpeta '") +
                                               QDir::toNativeSeparators(run.InProgram(QStringLiteral("Historiales"))) +
                                               QStringLiteral("'"));
  ASSERT_EQ(run.Host().media.opened.size(), 1);
  EXPECT_TRUE(run.Host().media.opened[0].endsWith(QStringLiteral("KiRVA/KiRVA-12.wav")));
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  EXPECT_EQ(run.Host().quitCount, 1);
  EXPECT_TRUE(run.App().QueryClose());
  EXPECT_EQ(run.Host().MessageCount(), before + 1);  // no question asked
}

TEST(LoadForReportTest, LoadsOneFileAndWritesNothing) {
  TempFolder elsewhere;
  const QString history = elsewhere.Write(QStringLiteral("Loto.2024.txt"), SixNumberHistory(120));
  ProgramRun run;
  run.App().LoadForReport(history);
  const WindowModel& m = run.Model();
  EXPECT_EQ(m.history.DrawCount, 120);
  EXPECT_EQ(m.CboLoteria.Text(), QStringLiteral("Loto.2024"));
  EXPECT_TRUE(QDir(run.ProgramFolder()).isEmpty());
  EXPECT_EQ(QDir(elsewhere.Path()).entryList(QDir::Files), QStringList{QStringLiteral("Loto.2024.txt")});

  // A history file missing at load time ends the program without a message.
  run.App().LoadForReport(elsewhere.FilePath(QStringLiteral("Nada.txt")));
  EXPECT_EQ(run.Host().quitCount, 1);
  EXPECT_EQ(run.Host().MessageCount(), 0);
}

TEST(RejectedHistoryTest, FailureStateLocksEverythingButTheLotteryAndReload) {
  ProgramRun run;
  const QByteArray bytes =
      "07/01/2023,05,12,33,41,44,48\r\n10/01/2023,1,9,23,30,37,45\r\n01/03/2023,4,8,15,16,23\r\n"
      "04/03/2023,1,2,3,4,5,6\r\n";
  run.AddHistory(QStringLiteral("Mala"), bytes);
  ASSERT_TRUE(run.StartAndLoad());
  const WindowModel& m = run.Model();
  const ReportText& pane0 = m.RtfReporte[0].report;
  EXPECT_EQ(pane0.Text(), RejectionText(QStringLiteral("01/03/2023,4,8,15,16,23")));
  EXPECT_EQ(m.history.DrawCount, 2);  // the draws before the rejected line stay
  for (int k = 1; k <= 7; ++k) EXPECT_FALSE(m.CboBal[static_cast<size_t>(k)].enabled) << k;
  EXPECT_EQ(m.CboBal[1].text, QStringLiteral("--"));
  for (int i : {0, 1, 4, 7}) EXPECT_FALSE(m.CmdFuncion[static_cast<size_t>(i)].enabled) << i;
  for (int i : {2, 3, 5, 6}) EXPECT_TRUE(m.CmdFuncion[static_cast<size_t>(i)].enabled) << i;
  EXPECT_FALSE(m.LstFormula.enabled);
  EXPECT_TRUE(m.CboLoteria.enabled);
  EXPECT_TRUE(m.ReloadPending());

  // The file fixed by the user: LIMPIAR (pending reload) loads it.
  run.AddHistory(QStringLiteral("Mala"), SixNumberHistory(20));
  run.App().RunCommand(3);
  EXPECT_EQ(m.history.DrawCount, 20);
  EXPECT_TRUE(m.LstFormula.enabled && m.CmdFuncion[0].enabled);
  EXPECT_EQ(pane0.Text(), StartPaneText(20));
}

}  // namespace
}  // namespace tombolix::test
