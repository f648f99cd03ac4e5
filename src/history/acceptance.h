#pragma once

#include "history/history.h"

#include <array>

namespace tombolix {

// Per-draw counts summed over the first 100 draws of a history.
struct AcceptanceTotals {
  qint32 consecutive = 0;
  qint32 even = 0;
  qint32 composite = 0;

  void Add(const std::array<quint8, kMaxPositions>& numbers, int positionCount);
};

// Each total over 100 to the nearest integer (halves to even) is the high
// value; the low value is one less when the high value is 2 or more.
AcceptanceValues ToAcceptanceValues(const AcceptanceTotals& totals);

// The acceptance values of the first 100 draws of `view`, as a load of a
// history of view.DrawCount draws computes them.
AcceptanceValues MeasureAcceptance(const HistoryView& view);

}  // namespace tombolix
