#pragma once

#include "combinations/combination_lines.h"
#include "history/history.h"

#include <QString>
#include <QVector>

#include <array>
#include <span>

namespace tombolix {

// List marks at character 9 of a combination line: never hit, hit a draw.
inline constexpr char16_t kMarkNotHit = u'%';
inline constexpr char16_t kMarkHit = u'#';

// A list of kListSize combinations as the back-test reads it.
struct CombinationList {
  // CombPos[k][i - 1]: number at position k of combination i; 0 beyond the position count.
  CombPositions CombPos;
  // LineasComb[i - 1]: the display line of combination i.
  QStringList LineasComb;

  // All numbers 0, all lines empty: the state before a list is made or loaded.
  static CombinationList Empty();
};

// The combination line of list entry `index` (1..999999): two spaces, the
// index as six digits, "%", four spaces, then each number as two digits and a
// space. Numbers 0..99; one entry of `numbers` per position.
QString CombinationLine(qint32 index, std::span<const quint8> numbers);

}  // namespace tombolix
