#include "app/command_log.h"
#include "app/tombolix_app.h"

#include <QDir>

namespace tombolix {

void TombolixApp::OpenFailed(OpenTarget target, const QString& what) {
  if (Ending(model_)) return;
  qCWarning(lcCommands).noquote() << "the desktop could not open" << what;
  if (platform_.IsMinimised()) {
    platform_.Restore();
    platform_.KeepOnTop();
  }
  QString text;
  switch (target) {
    case OpenTarget::File:
      text = QStringLiteral(
                 "El escritorio no pudo abrir el archivo:\n\n%1\n\n"
                 "Ábralo a mano con un editor de texto, desde esa carpeta.")
                 .arg(QDir::toNativeSeparators(what));
      break;
    case OpenTarget::Folder:
      text = QStringLiteral(
                 "El escritorio no pudo abrir la carpeta:\n\n%1\n\n"
                 "Ábrala a mano con el gestor de archivos.")
                 .arg(QDir::toNativeSeparators(what));
      break;
    case OpenTarget::Page:
      text = QStringLiteral(
                 "El escritorio no pudo abrir la página:\n\n%1\n\n"
                 "Copie la dirección en su navegador.")
                 .arg(what);
      break;
  }
  platform_.ShowMessage(text, QStringLiteral("Tombolix - No se pudo abrir"), MessageIcon::Exclamation,
                        MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace tombolix
