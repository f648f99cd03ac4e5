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
  QString Path() const { return dir.path(); }
  QString FilePath(const QString& relative) const { return dir.filePath(relative); }
  // Both create the parents of `relative` and return its absolute path.
  QString MakeFolder(const QString& relative) const;
  QString Write(const QString& relative, const QByteArray& bytes) const;

 private:
  QTemporaryDir dir;
};

// WriteFile creates missing parent folders; ReadFile gives nothing when it cannot read.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
bool FileExists(const QString& path);

}  // namespace tombolix::test
