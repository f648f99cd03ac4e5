#pragma once

#include "combinations/combination_list.h"
#include "combinations/list_codec.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

#include <array>

namespace tombolix::test {

// 1000 cleaned combination lines of `positions` numbers, every tenth one marked as hit.
inline QVector<QString> SampleLines(int positions, quint32 seed) {
  QRandomGenerator random(seed);
  QVector<QString> lines;
  std::array<quint8, kMaxPositions> numbers{};
  for (qint32 i = 1; i <= kListSize; ++i) {
    for (int k = 0; k < positions; ++k) numbers[static_cast<size_t>(k)] = static_cast<quint8>(random.bounded(100));
    QString line = CombinationLine(i, std::span<const quint8>(numbers.data(), static_cast<size_t>(positions)));
    if (i % 10 == 0) line[8] = QChar(kMarkHit);
    lines.append(line);
  }
  return lines;
}

// The records of `lines` as a list file holds them.
inline QByteArray ListBytes(const QVector<QString>& lines, int positions) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += EncodeListRecord(line, positions);
  return bytes;
}

}  // namespace tombolix::test
