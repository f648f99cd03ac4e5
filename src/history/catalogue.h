#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tombolix {

// The lotteries of a history folder: its "*.txt" files (any case of the
// extension) in file-name order, named without the extension.
struct LotteryEntry {
  QString name;      // shown in the lottery box, e.g. "Loto.2024"
  QString fileName;  // the real file name, e.g. "Loto.2024.TXT"
};
QList<LotteryEntry> ListLotteries(const QString& historyFolder);

// The selection file Recursos/Tombolix.LTR: one 46-byte record whose bytes
// 44-45 hold the selected list index (signed 16-bit, little-endian).
inline constexpr int kSelectionRecordSize = 46;
// The saved index, or nothing when the file is missing, short or unreadable.
std::optional<qint16> ReadSelectionIndex(const QString& path);
std::optional<qint16> ParseSelectionRecord(QByteArrayView bytes);
// Writes the record atomically; false when it could not be written.
bool WriteSelectionIndex(const QString& path, qint16 index);

}  // namespace tombolix
