#pragma once

#include "combinations/chance_verdict.h"

#include <QtGlobal>

#include <vector>

namespace tombolix {

// How forecasts fared against chance: each position-draw where something was
// named is a trial that hits with its own chance (the shares of the named
// numbers at that position), independently of the others.
struct ForecastChance {
  int draws = 0;        // draws replayed
  int trials = 0;       // position-draws where something was named
  int hits = 0;         // what the forecasts scored
  double expected = 0;  // exact expectation under chance
  double variance = 0;  // exact variance under chance
  int low = 0;          // 2.5 % quantile of the hits under chance (exact distribution)
  int high = 0;         // 97.5 % quantile
  double Ratio() const { return expected > 0 ? hits / expected : 0; }
  ChanceVerdict BandVerdict() const { return VerdictAgainstBand(hits, low, high); }
};

// Sums trials: hits, expectation and variance add up; the exact distribution
// of the hits under chance is the convolution of the trials' two-point laws.
class ForecastChanceTally {
 public:
  // One trial that hits with probability `chance` (clamped to 0..1); `hit` is what happened.
  void Add(double chance, bool hit);
  void EndDraw() { ++draws_; }
  ForecastChance Result() const;

 private:
  std::vector<double> distribution_{1.0};
  ForecastChance sum_;
  int draws_ = 0;
};

}  // namespace tombolix
