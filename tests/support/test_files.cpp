#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tombolix::test {

TempFolder::TempFolder() : dir(QDir::tempPath() + QStringLiteral("/tombolix-test-XXXXXX")) {}

QString TempFolder::MakeFolder(const QString& relative) const {
  const QString path = FilePath(relative);
  QDir().mkpath(path);
  return path;
}

QString TempFolder::Write(const QString& relative, const QByteArray& bytes) const {
  const QString path = FilePath(relative);
  WriteFile(path, bytes);
  return path;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }

}  // namespace tombolix::test
