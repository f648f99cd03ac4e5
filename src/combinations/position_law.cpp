#include "combinations/position_law.h"

#include <algorithm>

namespace tombolix {

PositionLaw::PositionLaw(const HistoryView& view, qint32 predicted) {
  const qint32 before = std::clamp(predicted - 1, 0, view.DrawCount);
  draws_ = predicted - 1 - kLeftOut;
  if (draws_ < kMinDraws) {
    draws_ = before;
    fewDraws_ = true;
  }
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  for (int k = 1; k <= positionCount; ++k) {
    auto& counts = counts_[static_cast<size_t>(k)];
    for (qint32 d = 1; d <= draws_; ++d) {
      if (counts[view.P(k, d)]++ == 0) ++distinct_[static_cast<size_t>(k)];
    }
  }
}

double PositionLaw::Share(int k, quint8 v) const {
  const auto ku = static_cast<size_t>(k);
  const qint32 denominator = draws_ + distinct_[ku];
  return denominator == 0 ? 0.0 : (counts_[ku][v] + 1.0) / denominator;
}

}  // namespace tombolix
