#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tombolix::test {

// A temporary folder removed at the end of the test; paths inside it use "/".
class TempFolder {
 public:
  TempFolder();
  bool IsValid() const { return dir.isValid(); }
  // Absolute path of the folder itself.
  QString Path() const { return dir.path(); }
  // Absolute path of `relative` inside the folder (the file need not exist).
  QString FilePath(const QString& relative) const { return dir.filePath(relative); }
  // Creates `relative` and its parents; returns its absolute path.
  QString MakeFolder(const QString& relative) const;
  // Writes `bytes` to `relative` (parents created); returns its absolute path.
  QString Write(const QString& relative, const QByteArray& bytes) const;

 private:
  QTemporaryDir dir;
};

// Writes `bytes` to `path`, creating missing parent folders; false on failure.
bool WriteFile(const QString& path, const QByteArray& bytes);
// The bytes of `path`, or an empty array when it cannot be read.
QByteArray ReadFile(const QString& path);
// True when `path` names an existing regular file.
bool FileExists(const QString& path);

}  // namespace tombolix::test
