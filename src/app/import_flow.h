#pragma once

#include "importer/import_analysis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tombolix {

class Platform;

// Results files above this size are refused before they are read whole.
inline constexpr qint64 kImportByteLimit = qint64{200} << 20;

// What to do when the lottery already has a history.
enum class ImportTarget {
  Ask,      // ask the user (the window)
  New,      // only a new history: an existing one stops the import
  Replace,  // replace the existing history (its previous bytes kept as .bak)
  Append,   // add the draws newer than its last line (its previous bytes kept as .bak)
};

struct ImportRequest {
  QString folder;  // the history folder
  QString name;    // the lottery
  ImportTarget target = ImportTarget::Ask;
  bool checkOnly = false;  // stop where the write would happen, with the same outcome
};

enum class ImportStatus {
  Written,       // a new history, or a replacement
  Appended,      // newer draws added
  NothingNew,    // add the new draws: there were none
  Checked,       // checkOnly: everything would be written
  Cancelled,     // the user said no
  FileErrors,    // the results file has errors
  Exists,        // a history exists and nothing said what to do with it
  BadName,       // the lottery name cannot be a file name
  AppendRefused,  // the existing history and the file disagree, or it cannot be extended
  WriteFailed,
};

struct ImportOutcome {
  ImportStatus status = ImportStatus::FileErrors;
  QString message;      // for the user, in Spanish
  QStringList details;  // disagreements and warnings of adding the new draws
  QString path;         // the history file meant
  qsizetype draws = 0;  // written or added
};

// The import of one results file, from its bytes to the history written: the
// window's dialog and tombolix-import both go through it. Its questions go
// through the platform; without one (the command line) it never asks, and
// the request says what to do.
class ImportSession {
 public:
  explicit ImportSession(Platform* platform = nullptr) : platform_(platform) {}

  // Reads a results file (at most kImportByteLimit); false with error() when
  // it cannot be read or is no text (a spreadsheet, a web page, binary data).
  bool Load(const QString& path);
  // Takes bytes from elsewhere (a download); false with error() when they are no text.
  bool SetBytes(QByteArray bytes);
  const QString& Error() const { return error_; }
  bool HasBytes() const { return !bytes_.isEmpty() || loaded_; }

  const ImportAnalysis& Analyse(const ImportOptions& options, const ImportProgress& progress = {});
  const ImportAnalysis& Analysis() const { return analysis_; }

  // Decides new, replace or add, asks what the request leaves open, and writes.
  ImportOutcome Commit(const ImportRequest& request);

 private:
  ImportOutcome Append(const ImportRequest& request, const QString& existing);
  bool Confirm(const QString& text);

  Platform* platform_;
  QByteArray bytes_;
  bool loaded_ = false;
  QString error_;
  ImportAnalysis analysis_;
};

// A message naming what the bytes are when they are no results text: a
// spreadsheet to be saved as CSV, a web page, binary data. Empty for text.
QString NotResultsText(QByteArrayView bytes);

}  // namespace tombolix
