#include "config/configuration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace tombolix {

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

QByteArrayView FirstLine(QByteArrayView bytes) {
  qsizetype end = 0;
  while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
  return bytes.first(end);
}

// The first field of a line read as a file-input field: up to the first ',', or
// the text between double quotes when it starts with one (a missing closing
// quote takes the rest of the line).
QByteArrayView FirstField(QByteArrayView line) {
  qsizetype start = 0;
  while (start < line.size() && line[start] == ' ') ++start;
  line = line.sliced(start);
  if (line.startsWith('"')) {
    line = line.sliced(1);
    const qsizetype close = line.indexOf('"');
    return close < 0 ? line : line.first(close);
  }
  const qsizetype comma = line.indexOf(',');
  return comma < 0 ? line : line.first(comma);
}

QString TrimSpaces(const QString& text) {
  qsizetype start = 0;
  qsizetype end = text.size();
  while (start < end && text[start] == u' ') ++start;
  while (end > start && text[end - 1] == u' ') --end;
  return text.sliced(start, end - start);
}

QString DefaultFolder(const QString& programFolder) { return programFolder + QStringLiteral("/Historiales"); }

// The folder a configuration value names, or an empty string when it names none.
// A relative value is taken from the program folder, as the program runs there.
QString ExistingFolder(const QString& programFolder, const QString& value) {
  if (value.isEmpty()) return {};
  const QString path = QDir::cleanPath(QDir(programFolder).filePath(QDir::fromNativeSeparators(value)));
  return QFileInfo(path).isDir() ? path : QString();
}

}  // namespace

QString Utf8ToAnsi(QByteArrayView bytes) {
  if (bytes.isEmpty()) return {};
  // Only the file's own leading mark is skipped (by the caller); any other is kept as a character.
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = decoder.decode(bytes);
  return decoder.hasError() ? QString() : text;
}

QString ParseConfigurationValue(QByteArrayView bytes) {
  if (bytes.startsWith(kUtf8Mark)) bytes = bytes.sliced(kUtf8Mark.size());
  return TrimSpaces(Utf8ToAnsi(FirstField(FirstLine(bytes))));
}

ConfigurationResult ReadConfiguration(const QString& programFolder) {
  ConfigurationResult result;
  const QString path = programFolder + QStringLiteral("/Recursos/Tombolix.INI");
  QString value;
  if (QFileInfo(path).isFile()) {
    QFile file(path);
    // A file that cannot be read gives no value, hence the default folder.
    if (file.open(QIODevice::ReadOnly)) value = ParseConfigurationValue(file.readAll());
  } else {
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write("\r\n", 2) == 2 && file.commit();
    result.status = written ? ConfigurationStatus::Created : ConfigurationStatus::Unwritable;
  }
  const QString folder = ExistingFolder(programFolder, value);
  result.HistoryFolder = folder.isEmpty() ? DefaultFolder(programFolder) : folder;
  return result;
}

}  // namespace tombolix
