#include "config/configuration.h"

#include "files/file_io.h"
#include "files/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace tombolix {

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");
// The file holds one folder path; anything larger is not a configuration file.
constexpr qint64 kConfigurationByteLimit = qint64{1} << 20;

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
  const QString path = program_paths::Configuration(programFolder);
  QString value;
  if (QFileInfo(path).isFile()) {
    // A file that cannot be read (or is far too large) gives no value, hence the default folder.
    const ReadOutcome read = ReadAtMost(path, kConfigurationByteLimit);
    if (read.error.isEmpty()) value = ParseConfigurationValue(read.bytes);
  } else {
    // Created only where nothing is: whatever appears meanwhile is never written over.
    const bool written = WriteWhole(path, QByteArrayLiteral("\r\n"), WriteMode::NewOnly).isEmpty();
    result.status = written ? ConfigurationStatus::Created : ConfigurationStatus::Unwritable;
  }
  const QString folder = ExistingFolder(programFolder, value);
  result.HistoryFolder = folder.isEmpty() ? program_paths::DefaultHistories(programFolder) : folder;
  return result;
}

}  // namespace tombolix
