#include "history/catalogue.h"

#include "files/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tombolix {

QList<LotteryEntry> ListLotteries(const QString& historyFolder) {
  QDir folder(historyFolder);
  if (historyFolder.isEmpty() || !folder.exists()) return {};
  // QDir name filters match without regard to case unless asked otherwise.
  const QStringList files = folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::NoSort);
  QList<LotteryEntry> entries;
  entries.reserve(files.size());
  for (const QString& file : files) entries.append({file.left(file.lastIndexOf(u'.')), file});
  // Alphabetical by file name as the lottery box lists them: without regard to
  // case, then in plain character order so that the order is always the same.
  std::sort(entries.begin(), entries.end(), [](const LotteryEntry& a, const LotteryEntry& b) {
    const int folded = QString::compare(a.fileName, b.fileName, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.fileName < b.fileName;
  });
  return entries;
}

std::optional<qint16> ParseSelectionRecord(QByteArrayView bytes) {
  if (bytes.size() < kSelectionRecordSize) return std::nullopt;
  const auto low = static_cast<quint8>(bytes[44]);
  const auto high = static_cast<quint8>(bytes[45]);
  return static_cast<qint16>(static_cast<quint16>(low | (high << 8)));
}

std::optional<qint16> ReadSelectionIndex(const QString& path) {
  const ReadOutcome read = ReadStart(path, kSelectionRecordSize);
  if (!read.error.isEmpty()) return std::nullopt;
  return ParseSelectionRecord(read.bytes);
}

bool WriteSelectionIndex(const QString& path, qint16 index) {
  QByteArray record(kSelectionRecordSize, '\0');
  const auto bits = static_cast<quint16>(index);
  record[44] = static_cast<char>(bits & 0xFF);
  record[45] = static_cast<char>(bits >> 8);
  // A read-only selection file is made writable first: the save would refuse
  // to replace it and the user's pick would silently be forgotten.
  const QFileInfo existing(path);
  if (existing.isFile() && !existing.permissions().testFlag(QFileDevice::WriteOwner))
    QFile::setPermissions(path, existing.permissions() | QFileDevice::WriteOwner);
  return WriteWhole(path, record, WriteMode::Replace).isEmpty();
}

}  // namespace tombolix
