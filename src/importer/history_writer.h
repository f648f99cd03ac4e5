#pragma once

#include <QByteArray>
#include <QString>

namespace tombolix {

enum class WriteStatus { Written, Exists, BadName, Failed };

struct WriteResult {
  WriteStatus status = WriteStatus::Failed;
  QString path;     // the history file meant
  QString message;  // for the user, in Spanish; empty when written
};

// The history file of lottery `name` in `folder`: folder/name.txt.
QString ImportedHistoryPath(const QString& folder, const QString& name);

// Writes `text` as the history of lottery `name` in `folder`, all at once
// (QSaveFile): a failure leaves no file, nor half of one. An existing file is
// replaced only when `replaceConfirmed`. This is the one place the program
// writes a history file.
WriteResult WriteImportedHistory(const QString& folder, const QString& name, const QByteArray& text,
                                 bool replaceConfirmed);

}  // namespace tombolix
