#pragma once

#include "wheels/wheel_check.h"

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <vector>

namespace tombolix {

// Called now and then with the share (0..100) of the time budget used; the
// search stops when it returns false.
using WheelProgress = std::function<bool(int percent)>;

struct WheelSearchResult {
  std::vector<std::uint32_t> tickets;  // the smallest wheel found; empty when stopped before the first
  bool cancelled = false;              // the progress callback stopped it
  bool timedOut = false;               // the time budget ended the shrinking
  bool reachedLowerBound = false;      // no smaller wheel can exist (a bound or a proven minimum)
  qint64 elapsedMs = 0;
};

// Builds a wheel of the given shape: a greedy start, then, while the time
// budget lasts, a ticket is dropped and simulated annealing on the number of
// uncovered m-subsets looks for a wheel one ticket smaller, as the
// covering-design literature does (K. J. Nurmela and P. R. J. Östergård,
// "Constructing covering designs by simulated annealing", 1993). Each size
// gets a fixed number of moves, so with the same seed and enough time the
// result is the same; a short budget may stop it earlier.
WheelSearchResult SearchWheel(const WheelShape& shape, qint64 budgetMs, quint32 seed, const WheelProgress& progress);

}  // namespace tombolix
