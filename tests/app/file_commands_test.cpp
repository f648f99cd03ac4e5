#include "app/control_colours.h"
#include "app/key_codes.h"
#include "files/program_paths.h"
#include "reports/panes.h"
#include "support/app_test_access.h"
#include "support/loaded_program.h"
#include "support/log_capture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

namespace tombolix::test {
namespace {

constexpr int kMapaFrecuenciaRow = 4;

class FileCommandsTest : public LoadedProgramTest {
 protected:
  void SetUp() override {
    run.App().SetWebAddresses(SomeWebAddresses());
    Load();
  }
  // Another history folder, named by the configuration file, holding one lottery of `draws` draws.
  QString ConfigureOtherFolder(int draws) {
    const QString folder = run.temp.MakeFolder(QStringLiteral("Otra carpeta"));
    WriteFile(folder + QStringLiteral("/Otra.txt"), SixNumberHistory(draws, 3));
    WriteFile(run.InProgram(QStringLiteral("Recursos/Tombolix.INI")), folder.toUtf8() + "\r\n");
    return folder;
  }
};

// ACTUALIZAR and AGREGAR hand the file or folder to the desktop, minimised,
// advise REINICIAR, and make the next LIMPIAR reload what the user edited.
TEST_F(FileCommandsTest, ActualizarAndAgregarOpenThenTheNextClearReloads) {
  struct Case {
    Command command;
    bool file;
  };
  const QString folder = M().HistoryFolder;
  const QString history = QDir(folder).filePath(QStringLiteral("Seis.txt"));
  for (const Case& c : {Case{Command::Actualizar, true}, Case{Command::Agregar, false}}) {
    SCOPED_TRACE(Index(c.command));
    run.App().RunCommand(c.command);
    EXPECT_EQ(run.Host().openedFiles, QStringList{history});  // ACTUALIZAR ran first
    EXPECT_EQ(run.Host().openedFolders, c.file ? QStringList{} : QStringList{folder});
    EXPECT_EQ(run.Host().minimiseCount, c.file ? 1 : 2);
    EXPECT_EQ(M().Cmd(Command::Reiniciar).backColour, ControlColour::ReiniciarAdvised);
    EXPECT_TRUE(M().ReloadPending());

    // The user edits the history meanwhile; LIMPIAR reads it again.
    const int draws = c.file ? 110 : 105;
    WriteFile(history, SixNumberHistory(draws));
    run.App().RunCommand(Command::Limpiar);
    EXPECT_EQ(M().history.DrawCount, draws);
    EXPECT_FALSE(M().ReloadPending());
    EXPECT_EQ(M().Cmd(Command::Reiniciar).backColour, ControlColour::Reiniciar);
  }
}

// Ctrl+Alt+C advises REINICIAR; Ctrl+F1 does not, and opens the read-me only when it is there.
TEST_F(FileCommandsTest, ConfigurationAndReadmeKeys) {
  run.App().KeyDown('C', kCtrl | kAlt);
  EXPECT_EQ(M().Cmd(Command::Reiniciar).backColour, ControlColour::ReiniciarAdvised);
  EXPECT_FALSE(M().ReloadPending());
  M().Cmd(Command::Reiniciar).backColour = ControlColour::Reiniciar;
  run.App().KeyDown(KeyCode::F1, kCtrl);
  EXPECT_EQ(M().Cmd(Command::Reiniciar).backColour, ControlColour::Reiniciar);
  EXPECT_EQ(run.Host().openedFiles.size(), 2);

  ASSERT_TRUE(QFile::remove(run.InProgram(program_paths::kReadme)));
  run.App().KeyDown(KeyCode::F1, kCtrl);
  EXPECT_EQ(run.Host().openedFiles.size(), 2);
  EXPECT_EQ(run.Host().minimiseCount, 2);
}

// While idle REINICIAR reads the configuration and reloads from the folder it names.
TEST_F(FileCommandsTest, ReiniciarReadsTheConfigurationAndReloads) {
  run.App().LstFormula_Click(3);
  const QString folder = ConfigureOtherFolder(60);
  run.App().RunCommand(Command::Reiniciar);
  EXPECT_EQ(M().HistoryFolder, folder);
  EXPECT_EQ(M().CboLoteria.items, QStringList{QStringLiteral("Otra")});
  EXPECT_EQ(M().history.DrawCount, 60);
  EXPECT_TRUE(Report(Pane::Frecuencia).IsEmptyMarker());
  EXPECT_FALSE(M().ReloadPending());
}

// Pressed while BUSCAR prepares quietly, REINICIAR does nothing at all.
TEST_F(FileCommandsTest, ReiniciarDuringAQuietRunDoesNothing) {
  ConfigureOtherFolder(60);
  const QString folder = M().HistoryFolder;
  run.App().CboBal_SetText(1, M().CboBal[1].items.value(0));
  bool pressed = false;
  run.Host().onProcessEvents = [&] {
    if (pressed || !M().QuietRun() || !M().busy) return;
    pressed = true;
    run.App().RunCommand(Command::Reiniciar);
    EXPECT_FALSE(M().ReloadPending());
    EXPECT_FALSE(M().StopRequested);
  };
  run.App().RunCommand(Command::Buscar);
  run.Host().onProcessEvents = nullptr;
  ASSERT_TRUE(pressed);
  EXPECT_EQ(M().HistoryFolder, folder);
  EXPECT_EQ(M().history.DrawCount, 120);
  EXPECT_TRUE(Report(Pane::Start).Text().contains(QStringLiteral(" sorteo(s) parecido(s)")));
  EXPECT_FALSE(Report(Pane::ResumenIA).IsEmptyMarker());
}

// During a stoppable analysis REINICIAR, the one button left enabled, stops it;
// the folder it read takes effect only at the reload that follows.
TEST_F(FileCommandsTest, ReiniciarDuringALongAnalysisStopsItAndReloadsFromTheNewFolder) {
  const QString oldFolder = M().HistoryFolder;
  const QString newFolder = ConfigureOtherFolder(60);
  int yields = 0;
  run.Host().onProcessEvents = [&] {
    if (!M().busy || !M().RtfReporte[Pane::MapaFrecuenciaM1].visible || ++yields != 10) return;
    ASSERT_TRUE(M().Cmd(Command::Reiniciar).enabled);
    run.App().RunCommand(Command::Reiniciar);
    EXPECT_TRUE(M().StopRequested);
    EXPECT_EQ(M().HistoryFolder, oldFolder);  // the running map still reads the old one
  };
  run.App().LstFormula_Click(kMapaFrecuenciaRow);
  run.Host().onProcessEvents = nullptr;
  EXPECT_EQ(yields, 10);
  EXPECT_FALSE(M().busy);
  EXPECT_FALSE(M().StopRequested);
  EXPECT_EQ(M().HistoryFolder, newFolder);
  EXPECT_EQ(M().history.DrawCount, 60);
  EXPECT_TRUE(Report(Pane::MapaFrecuenciaM1).IsEmptyMarker());
  EXPECT_TRUE(M().RtfReporte[Pane::Start].visible);
}

// Ctrl+Alt+Shift+"-" starts the auto-scroll twenty seconds later on a pane
// that scrolls; an Escape during the pause (LIMPIAR) cancels it.
TEST_F(FileCommandsTest, AutoScrollKeyStartsAfterItsPause) {
  using Case = std::tuple<int, bool, bool>;  // pane, Escape during the pause, started
  for (const auto& [pane, escape, started] :
       {Case{Pane::Start, false, true}, Case{Pane::Start, true, false}, Case{Pane::GeneradorM2, false, true},
        Case{Pane::Frecuencia, false, false}}) {
    SCOPED_TRACE(pane);
    AppTestAccess::ShowReportPane(run.App(), pane);
    M().TmrGameplay.enabled = false;
    const int before = run.Host().processEventsCount;
    run.Host().onProcessEvents = [&, escape = escape] {
      if (escape && run.Host().processEventsCount - before == 1000) run.App().KeyDown(KeyCode::Escape, 0);
    };
    run.App().KeyDown(KeyCode::Minus, kShift | kCtrl | kAlt);
    run.Host().onProcessEvents = nullptr;
    EXPECT_EQ(M().TmrGameplay.enabled, started);
    EXPECT_GE(run.Host().processEventsCount - before, pane == Pane::Frecuencia ? 0 : 2000);
  }
}

// Typed characters never reach the analysis list.
TEST_F(FileCommandsTest, AnalysisListDropsEveryTypedCharacter) {
  for (const QChar c : QStringLiteral("wWz1- ")) EXPECT_FALSE(run.App().LstFormula_KeyPress(c)) << int{c.unicode()};
}

// A build without pages: disabled links with a tooltip, nothing opened or
// minimised by the links, F1 or F9; U only waits and clears.
TEST(NoWebAddressesTest, NothingOpensAndLinksAreDisabled) {
  ProgramRun run;
  run.App().SetWebAddresses(WebAddresses{});
  run.AddHistory(QStringLiteral("Seis"), SixNumberHistory(30));
  ASSERT_TRUE(run.StartAndLoad());
  const WindowModel& m = run.Model();
  for (WebLink link : {WebLink::Product, WebLink::HelpVideo, WebLink::Tickets, WebLink::Donation})
    run.App().OpenLink(link);
  run.App().KeyDown(KeyCode::F1, 0);
  run.App().KeyDown(KeyCode::F1 + 8, 0);
  LogCapture log;
  run.App().KeyDown('U', 0);
  EXPECT_FALSE(log.Matching(QStringLiteral("command 3 LIMPIAR")).isEmpty());
  // Without a download page, U says so and points to the importer.
  EXPECT_EQ(run.Host().LastMessage().title, QStringLiteral("Tombolix - Buscar Historiales"));
  EXPECT_TRUE(run.Host().LastMessage().text.contains(QString::fromUtf8("«Importar historial…»")));
  EXPECT_TRUE(run.Host().openedUrls.isEmpty());
  EXPECT_EQ(run.Host().minimiseCount, 0);

  // With pages, the same links are live and open in the browser, minimised.
  run.App().SetWebAddresses(SomeWebAddresses());
  EXPECT_TRUE(m.LblDonacion.enabled && m.LblDonacion.toolTip.isEmpty());
  run.App().OpenLink(WebLink::Tickets);
  EXPECT_EQ(run.Host().openedUrls, QStringList{SomeWebAddresses().ticketsPage});
  EXPECT_EQ(run.Host().minimiseCount, 1);
}

// What the desktop could not open is named, with what to do, over the
// window brought back from the minimised state the command left it in.
TEST_F(FileCommandsTest, ADesktopThatCannotOpenIsToldWithThePath) {
  const QString folder = QStringLiteral("/carpeta/Historiales");
  run.Host().Minimise();
  run.App().OpenFailed(OpenTarget::Folder, folder);
  EXPECT_FALSE(run.Host().IsMinimised());
  EXPECT_EQ(run.Host().LastMessage().title, QStringLiteral("Tombolix - No se pudo abrir"));
  EXPECT_TRUE(run.Host().LastMessage().text.contains(QDir::toNativeSeparators(folder)));
  EXPECT_TRUE(run.Host().LastMessage().text.contains(QStringLiteral("gestor de archivos")));
}

}  // namespace
}  // namespace tombolix::test
