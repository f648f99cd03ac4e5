#include "files/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tombolix {

namespace {

constexpr qint64 kChunk = qint64{1} << 20;
constexpr qint64 kMiB = qint64{1} << 20;

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The limit in MB as the user reads it: "50", or "0,5" below a whole megabyte.
QString Megabytes(qint64 limit) {
  if (limit % kMiB == 0) return QString::number(limit / kMiB);
  return QString::number(static_cast<double>(limit) / static_cast<double>(kMiB), 'f', 1).replace(u'.', u',');
}

ReadOutcome ReadFailure(const QString& message) {
  ReadOutcome outcome;
  outcome.error = message;
  return outcome;
}

ReadOutcome TooLarge(const QString& name, qint64 limit) {
  ReadOutcome outcome = ReadFailure(QStringLiteral("El archivo '%1' es demasiado grande: pasa de %2 MB. No se leyó.")
                                        .arg(Shown(name), Megabytes(limit)));
  outcome.tooLarge = true;
  return outcome;
}

QString Refusal(const QString& path, const QString& reason) {
  return QStringLiteral("No se pudo escribir el archivo '%1': %2. No se escribió nada.").arg(Shown(path), reason);
}

QString WriteReplacing(const QString& path, const QByteArray& bytes) {
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isWritable())
    return Refusal(path, QStringLiteral("el archivo es de solo lectura"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return Refusal(path, QStringLiteral("la carpeta no deja crear archivos (¿es de solo lectura?)"));
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return Refusal(path, QStringLiteral("falló la escritura (¿disco lleno?)"));
  }
  if (!file.commit()) return Refusal(path, QStringLiteral("no se pudo terminar la escritura"));
  return {};
}

bool Exists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

// Written beside the target under a hidden name, then renamed into place: the
// rename refuses to replace a file, so one that appeared meanwhile stays as it is.
QString WriteNew(const QString& path, const QByteArray& bytes) {
  if (Exists(path)) return Refusal(path, QStringLiteral("ya existe"));
  const QFileInfo target(path);
  QTemporaryFile temp(target.dir().filePath(QStringLiteral(".%1.XXXXXX.tmp").arg(target.fileName())));
  if (!temp.open()) return Refusal(path, QStringLiteral("la carpeta no deja crear archivos (¿es de solo lectura?)"));
  bool written = temp.write(bytes) == bytes.size() && temp.flush();
#ifdef Q_OS_UNIX
  written = written && ::fsync(temp.handle()) == 0;
#endif
  if (!written) return Refusal(path, QStringLiteral("falló la escritura (¿disco lleno?)"));
  // A temporary file is private to its owner; a history is an ordinary file.
  temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                      QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  if (!temp.rename(path)) {
    return Refusal(path, Exists(path) ? QStringLiteral("apareció otro archivo con ese nombre mientras se escribía")
                                      : QStringLiteral("no se pudo terminar la escritura"));
  }
  // The object now names the moved file: it must not remove it when it goes.
  temp.setAutoRemove(false);
  return {};
}

// Opens `file` for reading; the message for the user when it cannot.
QString OpenForReading(QFile& file) {
  const QString path = file.fileName();
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("No existe el archivo '%1'.").arg(Shown(path));
  if (info.isDir()) return QStringLiteral("'%1' es una carpeta, no un archivo.").arg(Shown(path));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return QStringLiteral("No se pudo abrir el archivo '%1' para leerlo (¿falta el permiso de lectura?).")
        .arg(Shown(path));
  return {};
}

}  // namespace

ReadOutcome ReadAtMost(const QString& path, qint64 limit) {
  QFile file(path);
  if (QString error = OpenForReading(file); !error.isEmpty()) return ReadFailure(error);
  return ReadAtMost(file, path, limit);
}

ReadOutcome ReadStart(const QString& path, qint64 count) {
  QFile file(path);
  if (QString error = OpenForReading(file); !error.isEmpty()) return ReadFailure(error);
  ReadOutcome outcome;
  outcome.bytes.resize(static_cast<qsizetype>(std::clamp<qint64>(count, 0, std::numeric_limits<qsizetype>::max() / 2)));
  qsizetype filled = 0;
  while (filled < outcome.bytes.size()) {
    const qint64 got = file.read(outcome.bytes.data() + filled, outcome.bytes.size() - filled);
    if (got < 0) return ReadFailure(QStringLiteral("No se pudo leer el archivo '%1' hasta el final.").arg(Shown(path)));
    if (got == 0) break;
    filled += static_cast<qsizetype>(got);
  }
  outcome.bytes.truncate(filled);
  return outcome;
}

ReadOutcome ReadAtMost(QIODevice& device, const QString& name, qint64 limit) {
  limit = std::clamp<qint64>(limit, 0, std::numeric_limits<qsizetype>::max() / 2);
  ReadOutcome outcome;
  QByteArray& bytes = outcome.bytes;
  if (!device.isSequential()) {
    const qint64 remaining = device.size() - device.pos();
    if (remaining > limit) return TooLarge(name, limit);
    bytes.reserve(static_cast<qsizetype>(std::max<qint64>(remaining, 0) + 1));
  }
  // One byte past the limit is asked for: getting it tells a file that grew, or
  // a pipe, that goes over the limit.
  for (;;) {
    const qint64 wanted = std::min(kChunk, limit + 1 - bytes.size());
    if (wanted <= 0) return TooLarge(name, limit);
    const qint64 needed = bytes.size() + wanted;
    if (needed > bytes.capacity())
      bytes.reserve(static_cast<qsizetype>(std::min(limit + 1, std::max<qint64>(needed, 2 * bytes.capacity()))));
    const qsizetype kept = bytes.size();
    bytes.resize(static_cast<qsizetype>(needed));
    const qint64 got = device.read(bytes.data() + kept, wanted);
    if (got < 0) return ReadFailure(QStringLiteral("No se pudo leer el archivo '%1' hasta el final.").arg(Shown(name)));
    bytes.resize(kept + static_cast<qsizetype>(got));
    if (got == 0) break;
  }
  if (bytes.size() > limit) return TooLarge(name, limit);
  return outcome;
}

QString WriteWhole(const QString& path, const QByteArray& bytes, WriteMode mode) {
  const QFileInfo info(path);
  if (info.isSymLink()) return Refusal(path, QStringLiteral("es un enlace simbólico"));
  if (!QFileInfo(info.absolutePath()).isDir()) return Refusal(path, QStringLiteral("la carpeta no existe"));
  return mode == WriteMode::Replace ? WriteReplacing(path, bytes) : WriteNew(path, bytes);
}

}  // namespace tombolix
