#pragma once

#include <QtGlobal>

#include <vector>

namespace tombolix {

// Hypergeometric law: `picks` numbers taken at random, without repetition,
// from `population` candidates of which `successes` came out. Arguments out
// of range (negative, or more successes or picks than candidates) are clamped
// into it. The distribution runs over 0..min(picks, successes).
std::vector<double> HypergeometricDistribution(int population, int successes, int picks);
double HypergeometricMean(int population, int successes, int picks);
double HypergeometricVariance(int population, int successes, int picks);

// One forecast at one position held against the draw that followed it.
struct ForecastTrial {
  int candidates = 0;  // the position's candidates when the forecast was made
  int named = 0;       // candidates the forecast named
  int drawn = 0;       // candidates that came out at that position (0 or 1)
  int hits = 0;        // named candidates that came out
};

// The trial of the named numbers against the number drawn at the position.
// Named numbers that are not candidates are not counted.
ForecastTrial MakeTrial(const std::vector<quint8>& candidates, const std::vector<quint8>& named, quint8 drawn);

// How the forecasts fared against the same number of random picks.
enum class ChanceVerdict { Chance, Above, Below };
struct ForecastChance {
  int draws = 0;        // draws replayed
  int trials = 0;       // position forecasts weighed
  int hits = 0;         // what the forecasts scored
  double expected = 0;  // exact expectation of random picks
  double variance = 0;  // exact variance of random picks
  int low = 0;          // 2.5 % quantile of random picks (exact distribution)
  int high = 0;         // 97.5 % quantile
  double Ratio() const { return expected > 0 ? hits / expected : 0; }
  ChanceVerdict Verdict() const;
};

// Sums trials: hits, expectation and variance add up; the exact distribution
// of the random hits is the convolution of the per-trial distributions.
class ForecastChanceTally {
 public:
  void Add(const ForecastTrial& trial);
  void EndDraw() { ++draws_; }
  ForecastChance Result() const;

 private:
  std::vector<double> distribution_{1.0};
  ForecastChance sum_;
  int draws_ = 0;
};

}  // namespace tombolix
