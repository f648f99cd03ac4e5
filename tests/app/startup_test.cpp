#include "files/program_paths.h"
#include "support/fake_platform.h"
#include "support/log_capture.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QDir>

#include <tuple>

namespace tombolix::test {
namespace {

QString WelcomeText(const QString& programFolder) {
  return Msg(TxtAccesoDirectoCreado) + QStringLiteral(" ") + Msg(TxtCarpetaPrograma) +
         QDir::toNativeSeparators(programFolder) + QStringLiteral("'.\r\n\r\n") + Msg(TxtDesinstalar);
}

TEST(StartupTest, FirstStartPreparesTheFolderAndWelcomesOnlyWhenTheLauncherIsNew) {
  ProgramRun run;
  ASSERT_TRUE(run.App().Start());
  for (const char* folder : {"KiRVA", "Historiales", "Recursos"}) {
    EXPECT_TRUE(QFileInfo(run.InProgram(QLatin1String(folder))).isDir()) << folder;
  }
  EXPECT_TRUE(FileExists(run.InProgram(QStringLiteral("Recursos/Tombolix.INI"))));
  EXPECT_TRUE(FileExists(run.InProgram(program_paths::kReadme)));
  ASSERT_EQ(run.Host().MessageCount(), 1);
  EXPECT_EQ(run.Host().LastMessage().text, WelcomeText(run.ProgramFolder()));
  EXPECT_EQ(run.Host().LastMessage().title, QStringLiteral("Tombolix - BIENVENIDO"));

  const WindowModel& m = run.Model();
  EXPECT_EQ(m.AnalysisWindow, 100);
  EXPECT_EQ(m.HistoryFolder, run.InProgram(QStringLiteral("Historiales")));
  EXPECT_EQ(run.Host().keepOnTopCount, 1);
  EXPECT_TRUE(m.TmrPublicidad.enabled);
  EXPECT_TRUE(m.RtfFondo.report.Text().endsWith(QString(17, QLatin1Char(' ')) + QStringLiteral("Tombolix")));

  // Launcher present: no welcome; deleted: made and welcomed again; unwritable: never announced.
  using Case = std::tuple<bool, bool, int>;
  for (const auto& [remove, writable, welcomes] : {Case{false, true, 0}, Case{true, true, 1}, Case{true, false, 0}}) {
    if (remove) QFile::remove(run.LauncherPath());
    run.Restart();
    run.Host().launcherWritable = writable;
    ASSERT_TRUE(run.App().Start());
    EXPECT_EQ(run.Host().MessageCount(), welcomes);
    EXPECT_EQ(FileExists(run.LauncherPath()), writable);
    EXPECT_TRUE(run.Model().TmrPublicidad.enabled);
  }
}

TEST(StartupTest, SecondInstanceEndsSilentlyBeforeTouchingTheFolder) {
  ProgramRun run;
  run.Host().anotherInstanceRunning = true;
  LogCapture log;
  EXPECT_FALSE(run.App().Start());
  EXPECT_EQ(log.Matching(QStringLiteral("fin del programa: ya hay otra copia de Tombolix abierta")).size(), 1);
  EXPECT_EQ(run.Host().MessageCount(), 0);
  EXPECT_EQ(run.Host().quitCount, 1);
  EXPECT_FALSE(QFileInfo::exists(run.InProgram(QStringLiteral("Recursos"))));
  EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
}

// The read-me (program folder below a plain file) and then the configuration
// ("Recursos" is a plain file) cannot be written: the message, then the end,
// with nothing half-written and no start timer.
TEST(StartupTest, UnwritableFolderEndsAfterTheMessage) {
  for (const bool readmeFails : {true, false}) {
    ProgramRun run;
    QString programFolder = run.ProgramFolder();
    if (readmeFails) {
      programFolder = run.temp.Write(QStringLiteral("blocker"), "x") + QStringLiteral("/Tombolix");
      run.app = std::make_unique<TombolixApp>(run.Host(), programFolder);
    } else {
      run.temp.Write(QStringLiteral("Tombolix/Recursos"), "not a folder");
    }
    EXPECT_FALSE(run.App().Start()) << readmeFails;
    ASSERT_EQ(run.Host().MessageCount(), readmeFails ? 1 : 2) << readmeFails;  // the welcome comes first
    const RecordedMessage& message = run.Host().LastMessage();
    EXPECT_EQ(message.text, QStringLiteral("La carpeta '") + QDir::toNativeSeparators(programFolder) +
                                QString::fromUtf8("' está protegida contra escritura."));
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(run.Host().quitCount, 1);
    EXPECT_EQ(run.Model().AnalysisWindow, 0);
    EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
    if (!readmeFails) {
      EXPECT_EQ(ReadFile(run.InProgram(QStringLiteral("Recursos"))), QByteArray("not a folder"));
    }
  }
}

// Tick 120 opens the promotional page once, without minimising, when the
// build has one; without one the timer stops all the same and nothing opens.
TEST(StartupTest, PromotionalPageOpensOnceAtTheHundredTwentiethTick) {
  for (const bool withPage : {true, false}) {
    SCOPED_TRACE(withPage);
    ProgramRun run;
    WebAddresses pages = SomeWebAddresses();
    if (!withPage) pages.promotionalPage.clear();
    run.App().SetWebAddresses(pages);
    run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30));
    ASSERT_TRUE(run.StartAndLoad());
    for (int tick = 2; tick < 120; ++tick) run.App().TmrPublicidad_Timer();
    EXPECT_TRUE(run.Host().openedUrls.isEmpty());
    run.App().TmrPublicidad_Timer();
    run.App().TmrPublicidad_Timer();
    EXPECT_EQ(run.Host().openedUrls, withPage ? QStringList{pages.promotionalPage} : QStringList{});
    EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
    EXPECT_EQ(run.Host().minimiseCount, 0);
  }
}

}  // namespace
}  // namespace tombolix::test
