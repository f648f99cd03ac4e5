#include "combinations/list_file.h"

#include "combinations/list_codec.h"
#include "files/file_io.h"
#include "history/two_digits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace tombolix {

namespace {

constexpr qsizetype kListFileBytes = kListSize * kListRecordBytes;

ListFileLoad Rejection(ListFileStatus status, const QString& reason) {
  ListFileLoad load;
  load.status = status;
  load.reason = reason;
  return load;
}

bool HoldsOnlyDigitCodes(QByteArrayView record) {
  for (const char byte : record) {
    const int code = static_cast<unsigned char>(byte);
    if (code < kFirstDigitCode || code > kLastDigitCode) return false;
  }
  return true;
}

// Characters of a record that survive the encoding: a combination line of up
// to seven positions, less the space behind the seventh number.
constexpr qsizetype kRecordText = 33;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Whether character i (0-based) of a record's text fits a combination line of
// `positionCount` numbers: "  ", six digits, the mark, four spaces, each
// number as two digits and a space, then spaces.
bool FitsCombinationLine(QChar c, qsizetype i, int positionCount) {
  if (i == 8) return c == kMarkNotHit || c == kMarkHit;
  const qsizetype n = i - 13;  // place within the numbers
  const bool digit = (i >= 2 && i <= 7) || (n >= 0 && n < 3 * positionCount && n % 3 != 2);
  return digit ? IsDigit(c) : c == u' ';
}

bool IsCombinationLine(QStringView plain, int positionCount) {
  if (plain.size() != kRecordText) return false;
  for (qsizetype i = 0; i < kRecordText; ++i) {
    if (!FitsCombinationLine(plain[i], i, positionCount)) return false;
  }
  return true;
}

// Checks record r (1-based) and takes its numbers; an empty text when it holds
// a combination, otherwise why not.
QString ReadRecord(QByteArrayView record, qint32 r, int positionCount, std::array<quint8, kMaxPositions>& numbers) {
  if (!HoldsOnlyDigitCodes(record)) {
    return QStringLiteral("record %1 holds a byte outside %2..%3").arg(r).arg(kFirstDigitCode).arg(kLastDigitCode);
  }
  const QString plain = DecodeListRecord(record, positionCount);
  if (plain.size() < 9 || (plain[8] != kMarkNotHit && plain[8] != kMarkHit)) {
    return QStringLiteral("record %1 has no list mark at character 9").arg(r);
  }
  if (!IsCombinationLine(plain, positionCount)) {
    return QStringLiteral("record %1 is not a combination line of %2 positions").arg(r).arg(positionCount);
  }
  for (int k = 0; k < positionCount; ++k) {
    const qsizetype at = 13 + 3 * k;  // 0-based start of the number of position k + 1
    numbers[static_cast<size_t>(k)] = static_cast<quint8>(TwoDigitValueAt(plain, at));
  }
  return QString();
}

bool ValidPositionCount(int positionCount) { return positionCount >= 1 && positionCount <= kMaxPositions; }

}  // namespace

QString ListFilePath(const QString& historyFolder, const QString& lotteryName) {
  return QDir(historyFolder).filePath(lotteryName + QStringLiteral(".CMB"));
}

ListFileLoad ParseListFile(QByteArrayView bytes, int positionCount) {
  if (!ValidPositionCount(positionCount)) {
    return Rejection(ListFileStatus::Rejected, QStringLiteral("position count %1 is outside 1..7").arg(positionCount));
  }
  if (bytes.size() < kListFileBytes) {
    return Rejection(ListFileStatus::Rejected, QStringLiteral("the file holds %1 whole records of %2 bytes, not %3")
                                                   .arg(bytes.size() / kListRecordBytes)
                                                   .arg(kListRecordBytes)
                                                   .arg(kListSize));
  }
  ListFileLoad load;
  std::array<quint8, kMaxPositions> numbers{};
  const std::span<const quint8> used(numbers.data(), static_cast<size_t>(positionCount));
  for (qint32 r = 1; r <= kListSize; ++r) {
    const QString reason =
        ReadRecord(bytes.sliced((r - 1) * kListRecordBytes, kListRecordBytes), r, positionCount, numbers);
    if (!reason.isEmpty()) return Rejection(ListFileStatus::Rejected, reason);
    for (int k = 0; k < positionCount; ++k) {
      load.list.CombPos[static_cast<size_t>(k + 1)][static_cast<size_t>(r - 1)] = numbers[static_cast<size_t>(k)];
    }
    load.list.LineasComb[r - 1] = CombinationLine(r, used);
  }
  load.status = ListFileStatus::Loaded;
  return load;
}

ListFileLoad CargarListaCmb(const QString& path, int positionCount) {
  // Only the first 1000 records count: a huge file costs no more than that.
  const ReadOutcome read = ReadStart(path, kListFileBytes);
  if (!read.error.isEmpty()) return Rejection(ListFileStatus::Unreadable, read.error);
  return ParseListFile(read.bytes, positionCount);
}

bool GuardarListaCmb(const QString& path, const QVector<QString>& lineasCombLimpias, int positionCount) {
  if (!ValidPositionCount(positionCount)) return false;
  QByteArray bytes;
  bytes.reserve(kListFileBytes);
  for (qint32 r = 0; r < kListSize; ++r) {
    bytes += EncodeListRecord(r < lineasCombLimpias.size() ? QStringView(lineasCombLimpias[r]) : QStringView(),
                              positionCount);
  }
  // A read-only list is the user's to keep: replacing it would bypass the attribute.
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isWritable()) return false;
  // The whole list is written to a temporary file that replaces the old one
  // only once complete: a crash leaves the old file or none, never half a list.
  // A symbolic link, even a dangling one, is never written through.
  return WriteWhole(path, bytes, WriteMode::Replace).isEmpty();
}

bool RemoveListFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return true;
  if (info.isDir()) return false;
  // The file's own attributes, without the "current user" bits Qt derives
  // from them: those would grant write access back to root on restoring.
  const QFileDevice::Permissions before =
      info.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
  // A link is removed as it stands; the file it points to is not touched.
  const bool madeWritable =
      !info.isSymLink() && QFile::setPermissions(path, before | QFileDevice::WriteOwner | QFileDevice::WriteUser);
  if (QFile::remove(path)) return true;
  if (madeWritable) QFile::setPermissions(path, before);
  return false;
}

}  // namespace tombolix
