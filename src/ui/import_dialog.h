#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace tombolix {

class Platform;

// What the dialog starts with: nothing (the user picks a file), or the bytes
// of a download for a lottery that exists.
struct ImportPreset {
  QByteArray bytes;
  QString source;   // shown as the file: the web address
  QString lottery;  // the lottery name to offer
};

// "Importar historial…": picks a results file, shows what was recognised and
// what is wrong, and writes the history into `historyFolder` through the
// import flow (its questions through `platform`). Modal; true when a history
// was written or extended.
bool ShowImportDialog(QWidget* parent, Platform& platform, const QString& historyFolder, const ImportPreset& preset = {});

}  // namespace tombolix
