#include "importer/history_writer.h"

#include "files/file_io.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tombolix {

bool IsLotteryName(const QString& name) {
  static const QString kRefused = QStringLiteral("\\/:*?\"<>|");
  if (name.trimmed().isEmpty() || name.endsWith(u'.') || name.endsWith(u' ')) return false;
  return std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 32 || kRefused.contains(c); });
}

namespace {

WriteResult Failure(WriteResult result, const QString& message) {
  result.status = WriteStatus::Failed;
  result.message = message;
  return result;
}

QString HistoryFailure(const QString& path, const QString& detail) {
  return QStringLiteral("No se pudo escribir el historial '%1': %2. No se escribió nada.")
      .arg(QDir::toNativeSeparators(path), detail);
}

// The old bytes without the blank end that follows the last draw: an appended
// history starts with them, so a file changed since it was read is noticed.
bool StartsWithHistory(const QByteArray& text, const QByteArray& previous) {
  qsizetype end = previous.size();
  while (end > 0 && QByteArrayView("\r\n \t").contains(previous[end - 1])) --end;
  return end > 0 && text.size() > previous.size() && QByteArrayView(text).first(end) == previous.first(end);
}

// Keeps the previous bytes of `path` as "<path>.bak", then writes `text` over it.
WriteResult WriteOverExisting(WriteResult result, const QByteArray& text, WriteKind kind) {
  const QString& path = result.path;
  if (QFileInfo(path).isSymLink())
    return Failure(result, HistoryFailure(path, QStringLiteral("es un enlace simbólico")));
  const QString backup = path + QStringLiteral(".bak");
  if (QFileInfo(backup).isSymLink()) {
    return Failure(
        result,
        HistoryFailure(path,
                       QStringLiteral("la copia '%1' es un enlace simbólico").arg(QDir::toNativeSeparators(backup))));
  }
  const ReadOutcome previous = ReadAtMost(path, kHistoryByteLimit);
  if (!previous.error.isEmpty()) return Failure(result, previous.error + QStringLiteral(" No se escribió nada."));
  if (kind == WriteKind::Append && !StartsWithHistory(text, previous.bytes)) {
    return Failure(result,
                   HistoryFailure(path, QStringLiteral("el historial cambió desde que se leyó; vuelva a importar")));
  }
  QString error = WriteWhole(backup, previous.bytes, WriteMode::Replace);
  if (error.isEmpty()) error = WriteWhole(path, text, WriteMode::Replace);
  if (!error.isEmpty()) return Failure(result, error);
  result.status = WriteStatus::Written;
  return result;
}

}  // namespace

QString ImportedHistoryPath(const QString& folder, const QString& name) {
  return QDir(folder).filePath(name + QStringLiteral(".txt"));
}

QString FindExistingHistory(const QString& folder, const QString& name) {
  const QString wanted = name + QStringLiteral(".txt");
  const QDir dir(folder);
  // System lists dangling symbolic links too.
  QStringList found = dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
  found.removeIf([&](const QString& file) { return file.compare(wanted, Qt::CaseInsensitive) != 0; });
  if (found.isEmpty()) return {};
  if (found.contains(wanted)) return dir.filePath(wanted);
  std::sort(found.begin(), found.end());
  return dir.filePath(found.front());
}

WriteResult WriteImportedHistory(const QString& folder, const QString& name, const QByteArray& text, WriteKind kind) {
  WriteResult result;
  result.path = ImportedHistoryPath(folder, name);
  if (!IsLotteryName(name)) {
    result.status = WriteStatus::BadName;
    result.message = QStringLiteral("El nombre de lotería «%1» no sirve como nombre de archivo.").arg(name);
    return result;
  }
  if (!QFileInfo(folder).isDir())
    return Failure(result, HistoryFailure(result.path, QStringLiteral("la carpeta no existe")));
  const QString existing = FindExistingHistory(folder, name);
  if (!existing.isEmpty()) result.path = existing;
  if (!existing.isEmpty() && kind == WriteKind::New) {
    result.status = WriteStatus::Exists;
    result.message =
        QStringLiteral("Ya existe el historial '%1'. No se reemplazó.").arg(QDir::toNativeSeparators(existing));
    return result;
  }
  if (existing.isEmpty() && kind == WriteKind::Append) {
    return Failure(result, HistoryFailure(result.path, QStringLiteral("no hay un historial al que añadir sorteos")));
  }
  if (!existing.isEmpty()) return WriteOverExisting(result, text, kind);
  const QString error = WriteWhole(result.path, text, WriteMode::NewOnly);
  if (!error.isEmpty()) {
    result.message = error;
    // A file that took the name meanwhile is reported as an existing history.
    result.status = FindExistingHistory(folder, name).isEmpty() ? WriteStatus::Failed : WriteStatus::Exists;
    return result;
  }
  result.status = WriteStatus::Written;
  return result;
}

}  // namespace tombolix
