#include "importer/history_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tombolix {

namespace {

// A lottery name is a plain file name: no folder parts, no characters Windows
// refuses, not empty, not ending in a dot or a space.
bool IsLotteryName(const QString& name) {
  static const QString kRefused = QStringLiteral("\\/:*?\"<>|");
  if (name.trimmed().isEmpty() || name.endsWith(u'.') || name.endsWith(u' ')) return false;
  return std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 32 || kRefused.contains(c); });
}

WriteResult Failure(WriteResult result, const QString& detail) {
  result.status = WriteStatus::Failed;
  result.message = QStringLiteral("No se pudo escribir el historial '%1': %2. No se escribió nada.")
                       .arg(QDir::toNativeSeparators(result.path), detail);
  return result;
}

}  // namespace

QString ImportedHistoryPath(const QString& folder, const QString& name) {
  return QDir(folder).filePath(name + QStringLiteral(".txt"));
}

WriteResult WriteImportedHistory(const QString& folder, const QString& name, const QByteArray& text,
                                 bool replaceConfirmed) {
  WriteResult result;
  result.path = ImportedHistoryPath(folder, name);
  if (!IsLotteryName(name)) {
    result.status = WriteStatus::BadName;
    result.message = QStringLiteral("El nombre de lotería «%1» no sirve como nombre de archivo.").arg(name);
    return result;
  }
  if (!QFileInfo(folder).isDir()) return Failure(result, QStringLiteral("la carpeta no existe"));
  if (QFileInfo::exists(result.path) && !replaceConfirmed) {
    result.status = WriteStatus::Exists;
    result.message =
        QStringLiteral("Ya existe el historial '%1'. No se reemplazó.").arg(QDir::toNativeSeparators(result.path));
    return result;
  }
  QSaveFile file(result.path);
  if (!file.open(QIODevice::WriteOnly)) {
    return Failure(result, QStringLiteral("la carpeta no deja crear archivos (¿es de solo lectura?)"));
  }
  if (file.write(text) != text.size()) {
    file.cancelWriting();
    return Failure(result, QStringLiteral("falló la escritura (¿disco lleno?)"));
  }
  if (!file.commit()) return Failure(result, QStringLiteral("no se pudo terminar la escritura"));
  result.status = WriteStatus::Written;
  return result;
}

}  // namespace tombolix
