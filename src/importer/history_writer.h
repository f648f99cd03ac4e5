#pragma once

#include <QByteArray>
#include <QString>

namespace tombolix {

// The largest history file the importer reads back (to keep or extend it).
inline constexpr qint64 kHistoryByteLimit = qint64{64} << 20;

enum class WriteStatus { Written, Exists, BadName, Failed };

struct WriteResult {
  WriteStatus status = WriteStatus::Failed;
  QString path;     // the history file meant
  QString message;  // for the user, in Spanish; empty when written
};

// A lottery name is a plain file name: no folder parts, no characters Windows
// refuses, not empty, not ending in a dot or a space.
bool IsLotteryName(const QString& name);

// The path a new history of lottery `name` gets in `folder`: folder/name.txt.
QString ImportedHistoryPath(const QString& folder, const QString& name);

// The existing history file of lottery `name` in `folder`, its name compared
// without regard to case as the lottery list does ("Loto.TXT" for "loto"); a
// symbolic link counts. Empty when there is none.
QString FindExistingHistory(const QString& folder, const QString& name);

enum class WriteKind {
  New,      // a new history: refused when one exists
  Replace,  // the existing history replaced by `text` (a new one when none exists)
  Append,   // the existing history replaced by `text`, its old bytes followed by newer draws
};

// Writes `text` as the whole history of lottery `name` in `folder`, all at
// once: a failure leaves every file as it was. Replace and Append first keep
// the previous bytes as "<file>.bak". This is the one place the program writes
// a history file, always after the user confirmed.
WriteResult WriteImportedHistory(const QString& folder, const QString& name, const QByteArray& text, WriteKind kind);

}  // namespace tombolix
