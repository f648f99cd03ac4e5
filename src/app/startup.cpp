#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "config/configuration.h"
#include "files/program_paths.h"
#include "texts/messages.h"
#include "texts/readme_text.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool FileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// Creates the folder when it is missing; failures show up in later steps.
void EnsureFolder(const QString& path) {
  if (!QFileInfo(path).isDir()) QDir().mkpath(path);
}

}  // namespace

bool TombolixApp::Start() {
  Messages();
  if (!platform_.AcquireSingleInstance(programFolder_)) {
    EndProgram(QStringLiteral("ya hay otra copia de Tombolix abierta en ") + QDir::toNativeSeparators(programFolder_));
    return false;
  }
  const QDir folder(programFolder_);
  for (const QString& name : {program_paths::kClips, program_paths::kHistories, program_paths::kResources})
    EnsureFolder(folder.filePath(name));
  ShowBanner(1);
  LlenarListaAnalisis();
  if (EscribirLeame(programFolder_, addresses_, platform_.EditorEncoding()) == ReadmeStatus::Unwritable) {
    ShowFolderUnwritable();
    return false;
  }
  // The package gives the installed program its menu entry: no launcher of its own.
  if (!installed_) CreateDesktopShortcut();
  const ConfigurationResult configuration = ReadConfiguration(programFolder_);
  if (configuration.status == ConfigurationStatus::Unwritable) {
    ShowFolderUnwritable();
    return false;
  }
  model_.HistoryFolder = configuration.HistoryFolder;
  model_.caption = ProgramCaption();
  savedCaption_ = model_.caption;
  model_.AnalysisWindow = 100;
  platform_.KeepOnTop();
  // The first tick fills the lottery list and loads the saved lottery.
  model_.TmrPublicidad = TimerState{true, 100, 0};
  return true;
}

// Messages 37 + folder + 38, then the program ends without its closing question.
void TombolixApp::ShowFolderUnwritable() {
  platform_.ShowMessage(Msg(TxtCarpetaInicio) + QDir::toNativeSeparators(programFolder_) + Msg(TxtCarpetaProtegida),
                        MessageTitle(TxtImposibleContinuar), MessageIcon::Critical, MessageButtons::Ok,
                        MessageAnswer::Ok);
  EndProgram(QStringLiteral("no se puede escribir en la carpeta ") + QDir::toNativeSeparators(programFolder_));
}

// Makes the desktop launcher when it is missing and welcomes the user, but
// only when the launcher really exists afterwards.
void TombolixApp::CreateDesktopShortcut() {
  const QString launcher = platform_.DesktopLauncherPath();
  if (launcher.isEmpty() || FileExists(launcher)) return;
  if (!platform_.CreateDesktopLauncher(launcher, programFolder_) || !FileExists(launcher)) return;
  const QString text = Msg(TxtAccesoDirectoCreado) + QLatin1Char(' ') + Msg(TxtCarpetaPrograma) +
                       QDir::toNativeSeparators(programFolder_) + QStringLiteral("'.") + kCrLf + kCrLf +
                       Msg(TxtDesinstalar);
  platform_.ShowMessage(text, MessageTitle(TxtBienvenido), MessageIcon::Information, MessageButtons::Ok,
                        MessageAnswer::Ok);
}

void TombolixApp::LlenarListaAnalisis() {
  ListState& list = model_.LstFormula;
  if (list.items.isEmpty()) list.items = AnalysisListRows();
  list.selectedRow = kAnalysisRowCount - 1;
}

}  // namespace tombolix
