#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace tombolix {

struct ReadOutcome {
  QByteArray bytes;
  QString error;  // for the user, in Spanish; empty on success
  bool tooLarge = false;
};

// Reads the file at `path`, at most `limit` bytes, in chunks of about 1 MiB and
// never holding more than limit + one chunk. A larger file is refused, from its
// size when it has one and while reading otherwise (pipes, devices). A missing
// or unreadable file gives a message too.
ReadOutcome ReadAtMost(const QString& path, qint64 limit);
// The first `count` bytes of the file at `path`, all of it when shorter: for a
// format whose reader looks at a fixed start only, a longer file is no error.
ReadOutcome ReadStart(const QString& path, qint64 count);
// The same as ReadAtMost from `device`, opened for reading; `name` is the file named in messages.
ReadOutcome ReadAtMost(QIODevice& device, const QString& name, qint64 limit);

enum class WriteMode { NewOnly, Replace };

// Writes the whole file or nothing and refuses a symbolic link (a dangling one
// too). Replace goes through QSaveFile. NewOnly writes a temporary file in the
// target folder and moves it into place with a rename that never replaces a
// file, so a file that appeared meanwhile is never written over. Returns an
// empty string on success, else a Spanish message naming the file.
QString WriteWhole(const QString& path, const QByteArray& bytes, WriteMode mode);

}  // namespace tombolix
