#include "support/fake_platform.h"
#include "texts/messages.h"
#include "texts/readme_text.h"

#include <gtest/gtest.h>

#include <QDir>

namespace tombolix::test {
namespace {

QString WelcomeText(const QString& programFolder) {
  return Msg(17) + QStringLiteral(" ") + Msg(50) + QDir::toNativeSeparators(programFolder) +
         QStringLiteral("'.\r\n\r\n") + Msg(51);
}

TEST(StartupTest, FirstStartPreparesTheFolderAndWelcomesOnce) {
  ProgramRun run;
  run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30));
  ASSERT_TRUE(run.App().Start());

  for (const char* folder : {"KiRVA", "Historiales", "Recursos"}) {
    EXPECT_TRUE(QFileInfo(run.InProgram(QLatin1String(folder))).isDir()) << folder;
  }
  EXPECT_TRUE(FileExists(run.InProgram(QStringLiteral("Recursos/Tombolix.INI"))));
  EXPECT_TRUE(FileExists(run.InProgram(kReadmeFileName)));
  EXPECT_TRUE(FileExists(run.LauncherPath()));
  ASSERT_EQ(run.Host().MessageCount(), 1);
  const RecordedMessage& welcome = run.Host().LastMessage();
  EXPECT_EQ(welcome.text, WelcomeText(run.ProgramFolder()));
  EXPECT_EQ(welcome.title, QStringLiteral("Tombolix - BIENVENIDO"));
  EXPECT_EQ(welcome.icon, MessageIcon::Information);
  EXPECT_EQ(welcome.buttons, MessageButtons::Ok);

  const WindowModel& m = run.Model();
  EXPECT_EQ(m.caption, QStringLiteral("Tombolix 15.24"));
  EXPECT_EQ(m.AnalysisWindow, 100);
  EXPECT_EQ(m.HistoryFolder, run.InProgram(QStringLiteral("Historiales")));
  EXPECT_EQ(run.Host().keepOnTopCount, 1);
  EXPECT_TRUE(m.TmrPublicidad.enabled);
  EXPECT_EQ(m.TmrPublicidad.intervalMs, 100);
  EXPECT_EQ(m.TmrPublicidad.Tag, QStringLiteral("0"));
  EXPECT_EQ(m.LstFormula.items.size(), kAnalysisRowCount);
  EXPECT_EQ(m.LstFormula.selectedRow, 22);

  // The same folder started again: nothing to welcome.
  run.Restart();
  ASSERT_TRUE(run.App().Start());
  EXPECT_EQ(run.Host().MessageCount(), 0);

  // The launcher deleted from the desktop: made again, welcome again.
  QFile::remove(run.LauncherPath());
  run.Restart();
  ASSERT_TRUE(run.App().Start());
  EXPECT_TRUE(FileExists(run.LauncherPath()));
  ASSERT_EQ(run.Host().MessageCount(), 1);
  EXPECT_EQ(run.Host().LastMessage().text, WelcomeText(run.ProgramFolder()));
}

TEST(StartupTest, NoWelcomeForALauncherThatCouldNotBeWritten) {
  ProgramRun run;
  run.Host().launcherWritable = false;
  ASSERT_TRUE(run.App().Start());
  EXPECT_FALSE(FileExists(run.LauncherPath()));
  EXPECT_EQ(run.Host().MessageCount(), 0);
  EXPECT_TRUE(run.Model().TmrPublicidad.enabled);
}

TEST(StartupTest, SecondInstanceEndsSilentlyBeforeTouchingTheFolder) {
  ProgramRun run;
  run.Host().anotherInstanceRunning = true;
  EXPECT_FALSE(run.App().Start());
  EXPECT_EQ(run.Host().MessageCount(), 0);
  EXPECT_EQ(run.Host().quitCount, 1);
  EXPECT_FALSE(QFileInfo::exists(run.InProgram(QStringLiteral("Recursos"))));
  EXPECT_FALSE(FileExists(run.LauncherPath()));
  EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
}

void ExpectUnwritableEnd(ProgramRun& run, const QString& programFolder) {
  ASSERT_GE(run.Host().MessageCount(), 1);
  const RecordedMessage& message = run.Host().LastMessage();
  EXPECT_EQ(message.text, QStringLiteral("La carpeta '") + QDir::toNativeSeparators(programFolder) +
                              QString::fromUtf8("' está protegida contra escritura."));
  EXPECT_EQ(message.title, QStringLiteral("Tombolix - Imposible Continuar"));
  EXPECT_EQ(message.icon, MessageIcon::Critical);
  EXPECT_EQ(run.Host().quitCount, 1);
  EXPECT_TRUE(run.Model().quitting);
  EXPECT_EQ(run.Model().AnalysisWindow, 0);
  EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
}

TEST(StartupTest, ProgramFolderThatCannotBeCreatedEndsAfterTheMessage) {
  ProgramRun run;
  // A plain file where the program folder's parent should be: nothing can be written below it.
  const QString blocker = run.temp.Write(QStringLiteral("blocker"), "x");
  const QString programFolder = blocker + QStringLiteral("/Tombolix");
  FakePlatform platform(run.DesktopFolder());
  TombolixApp app(platform, programFolder);
  EXPECT_FALSE(app.Start());
  ASSERT_EQ(platform.MessageCount(), 1);
  EXPECT_EQ(platform.LastMessage().text, QStringLiteral("La carpeta '") + QDir::toNativeSeparators(programFolder) +
                                             QString::fromUtf8("' está protegida contra escritura."));
  EXPECT_EQ(platform.quitCount, 1);
  EXPECT_FALSE(app.Model().TmrPublicidad.enabled);
  EXPECT_FALSE(FileExists(run.LauncherPath()));  // the read-me failed first: no launcher either
}

TEST(StartupTest, ConfigurationThatCannotBeCreatedEndsWithNothingHalfWritten) {
  ProgramRun run;
  // "Recursos" is a plain file, so Recursos/Tombolix.INI cannot be created.
  run.temp.Write(QStringLiteral("Tombolix/Recursos"), "not a folder");
  run.Host().SetDesktopFolder(QString());
  EXPECT_FALSE(run.App().Start());
  ExpectUnwritableEnd(run, run.ProgramFolder());
  const QStringList entries = QDir(run.ProgramFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  EXPECT_EQ(entries, (QStringList{QStringLiteral("Historiales"), QStringLiteral("KiRVA"), QStringLiteral("Recursos"),
                                  kReadmeFileName}));
  EXPECT_EQ(ReadFile(run.InProgram(QStringLiteral("Recursos"))), QByteArray("not a folder"));
}

TEST(StartupTest, BannerNamesTheProductPage) {
  ProgramRun run;
  ASSERT_TRUE(run.App().Start());
  const ReportText& banner = run.Model().RtfFondo.report;
  const QString expected = QStringLiteral("\r\n").repeated(8) + Addresses().productPage + QStringLiteral("\r\n") +
                           QString(17, QLatin1Char(' ')) + QStringLiteral("Tombolix");
  ASSERT_EQ(banner.Text(), expected);
  EXPECT_EQ(banner.StyleAt(0).colour, kDefaultTextColour);
  EXPECT_EQ(banner.StyleAt(1).colour, MakeRgb(128, 128, 128));
  EXPECT_EQ(banner.StyleAt(banner.Length() - 9).colour, MakeRgb(128, 128, 128));
  for (int i = banner.Length() - 8; i < banner.Length(); ++i)
    EXPECT_EQ(banner.StyleAt(i).colour, MakeRgb(255, 128, 128));
}

TEST(StartupTest, PromotionalPageOpensOnceAtTheHundredTwentiethTick) {
  ProgramRun run;
  run.AddHistory(QStringLiteral("Alfa"), SixNumberHistory(30));
  ASSERT_TRUE(run.StartAndLoad());
  EXPECT_EQ(run.Model().TmrPublicidad.intervalMs, 1000);
  for (int tick = 2; tick < 120; ++tick) run.App().TmrPublicidad_Timer();
  EXPECT_TRUE(run.Host().openedUrls.isEmpty());
  run.App().TmrPublicidad_Timer();
  EXPECT_EQ(run.Host().openedUrls, QStringList{Addresses().promotionalPage});
  EXPECT_FALSE(run.Model().TmrPublicidad.enabled);
  EXPECT_EQ(run.Host().minimiseCount, 0);
  run.App().TmrPublicidad_Timer();
  EXPECT_EQ(run.Host().openedUrls.size(), 1);
}

}  // namespace
}  // namespace tombolix::test
