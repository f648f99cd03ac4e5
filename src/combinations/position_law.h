#pragma once

#include "history/history.h"

#include <array>

namespace tombolix {

// What chance gives each number at each position of a draw about to be
// predicted: its share among the draws before the ones the analyses read.
// Those are left out because ranking numbers and estimating their chance on
// the same draws makes a rule with no skill look worse than chance.
class PositionLaw {
 public:
  static constexpr qint32 kLeftOut = 100;   // the draws the analyses read
  static constexpr qint32 kMinDraws = 100;  // fewer than this: every earlier draw is used

  // The law for draw `predicted` of `view` (only draws before it are read):
  // draws 1..predicted - 101, or 1..predicted - 1 when those are fewer than kMinDraws.
  PositionLaw(const HistoryView& view, qint32 predicted);

  // (count + 1) / (draws + K) for value v at position k (1..7), K being the
  // number of distinct values the position took in those draws.
  double Share(int k, quint8 v) const;
  qint32 Draws() const { return draws_; }
  bool FewDraws() const { return fewDraws_; }

 private:
  std::array<std::array<qint32, 256>, kMaxPositions + 1> counts_{};
  std::array<int, kMaxPositions + 1> distinct_{};
  qint32 draws_ = 0;
  bool fewDraws_ = false;
};

}  // namespace tombolix
