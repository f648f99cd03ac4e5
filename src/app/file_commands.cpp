#include "app/command_log.h"
#include "app/control_colours.h"
#include "app/key_codes.h"
#include "app/tombolix_app.h"
#include "config/configuration.h"
#include "files/program_paths.h"
#include "texts/readme_text.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

namespace {

void Note(const char* what, const QString& path) { qCInfo(lcCommands).noquote() << what << path; }

}  // namespace

// ACTUALIZAR: the history file in the text editor. The history is read again
// at the next LIMPIAR, REINICIAR or lottery change, so edits show then.
void TombolixApp::Actualizar() {
  model_.Cmd(Command::Reiniciar).backColour = ControlColour::ReiniciarAdvised;
  model_.SetReloadPending(true);
  model_.focus = Focus{FocusTarget::CboLoteria, 0};
  platform_.Minimise();
  // With no lottery selected there is no history file to open.
  if (model_.CboLoteria.currentIndex < 0) return;
  Note("opening file", HistoryFilePath());
  platform_.OpenFile(HistoryFilePath());
}

// AGREGAR: the history folder in the file manager, to add a lottery; the new
// file joins the lottery list at the next reload.
void TombolixApp::Agregar() {
  AdviseReloadAfterImport();
  model_.focus = Focus{FocusTarget::CboLoteria, 0};
  platform_.Minimise();
  Note("opening folder", model_.HistoryFolder);
  platform_.OpenFolder(model_.HistoryFolder);
}

// A new history file in the folder (AGREGAR, an import): REINICIAR is
// coloured and the next LIMPIAR reloads the lottery list and the history.
void TombolixApp::AdviseReloadAfterImport() {
  model_.Cmd(Command::Reiniciar).backColour = ControlColour::ReiniciarAdvised;
  model_.SetReloadPending(true);
}

// REINICIAR: the configuration is read again and the history reloaded through
// the Escape key: at once while idle; during a stoppable computation by its
// stop routine; otherwise at the next LIMPIAR. The folder read takes effect at
// that reload, never under a computation still reading the old one.
void TombolixApp::Reiniciar() {
  if (model_.QuietRun()) return;
  const ConfigurationResult configuration = ReadConfiguration(programFolder_);
  if (configuration.status == ConfigurationStatus::Unwritable) {
    ShowFolderUnwritable();
    return;
  }
  nextHistoryFolder_ = configuration.HistoryFolder;
  model_.SetReloadPending(true);
  KeyDown(KeyCode::Escape, 0);
}

// Called by the reload: the history folder REINICIAR read, if any, takes over.
void TombolixApp::TakeNextHistoryFolder() {
  if (!nextHistoryFolder_) return;
  model_.HistoryFolder = *nextHistoryFolder_;
  nextHistoryFolder_.reset();
}

// Ctrl+Alt+C: the configuration file in the text editor; REINICIAR reads it.
void TombolixApp::OpenConfigurationFile() {
  model_.Cmd(Command::Reiniciar).backColour = ControlColour::ReiniciarAdvised;
  model_.focus = Focus{FocusTarget::LstFormula, 0};
  platform_.Minimise();
  const QString path = program_paths::Configuration(programFolder_);
  Note("opening file", path);
  platform_.OpenFile(path);
}

// Ctrl+F1: the read-me in the text editor, when it is there.
void TombolixApp::OpenReadme() {
  const QString path = program_paths::Readme(programFolder_);
  if (!QFileInfo(path).isFile()) return;
  model_.focus = Focus{FocusTarget::LstFormula, 0};
  platform_.Minimise();
  Note("opening file", path);
  platform_.OpenFile(path);
}

}  // namespace tombolix
