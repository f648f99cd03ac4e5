#pragma once

#include "history/history.h"

#include <QString>

#include <array>

namespace tombolix {

// The numbers of one combination or draw: position p (1..n) at index p - 1;
// entries beyond the position count are 0.
using Combination = std::array<quint8, kMaxPositions>;

// "05:12:23": each of the first `positionCount` numbers as two digits, joined by ":".
QString CombinationText(const Combination& values, int positionCount);

// Draw d of `view` as a Combination of its first PositionCount numbers.
Combination DrawCombination(const HistoryView& view, int d);

// The seven numbers packed into one integer (one byte each): equal keys are equal combinations.
inline quint64 CombinationKey(const Combination& values) {
  quint64 key = 0;
  for (int p = kMaxPositions - 1; p >= 0; --p) key = (key << 8) | values[static_cast<size_t>(p)];
  return key;
}

}  // namespace tombolix
