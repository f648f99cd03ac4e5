#include "combinations/forecast_chance.h"

#include <algorithm>
#include <cmath>

namespace tombolix {

namespace {

// Logarithm of the binomial coefficient (n over k).
double LogChoose(int n, int k) { return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0); }

struct Clamped {
  int population;
  int successes;
  int picks;
};

Clamped Clamp(int population, int successes, int picks) {
  const int n = std::max(population, 0);
  return {n, std::clamp(successes, 0, n), std::clamp(picks, 0, n)};
}

// The quantile: the smallest count whose cumulative probability reaches q.
int Quantile(const std::vector<double>& distribution, double q) {
  double cumulative = 0;
  for (size_t x = 0; x < distribution.size(); ++x) {
    cumulative += distribution[x];
    // A small tolerance keeps rounding in the sums from moving a quantile.
    if (cumulative >= q - 1e-12) return static_cast<int>(x);
  }
  return static_cast<int>(distribution.size()) - 1;
}

}  // namespace

std::vector<double> HypergeometricDistribution(int population, int successes, int picks) {
  const auto [n, k, m] = Clamp(population, successes, picks);
  std::vector<double> p(static_cast<size_t>(std::min(k, m)) + 1, 0.0);
  const double total = LogChoose(n, m);
  for (int x = std::max(0, m - (n - k)); x <= std::min(k, m); ++x) {
    p[static_cast<size_t>(x)] = std::exp(LogChoose(k, x) + LogChoose(n - k, m - x) - total);
  }
  return p;
}

double HypergeometricMean(int population, int successes, int picks) {
  const auto [n, k, m] = Clamp(population, successes, picks);
  return n == 0 ? 0.0 : static_cast<double>(m) * k / n;
}

double HypergeometricVariance(int population, int successes, int picks) {
  const auto [n, k, m] = Clamp(population, successes, picks);
  if (n <= 1) return 0.0;
  const double share = static_cast<double>(k) / n;
  return m * share * (1 - share) * (n - m) / (n - 1.0);
}

ForecastTrial MakeTrial(const std::vector<quint8>& candidates, const std::vector<quint8>& named, quint8 drawn) {
  const auto isCandidate = [&](quint8 x) {
    return std::find(candidates.begin(), candidates.end(), x) != candidates.end();
  };
  ForecastTrial trial;
  trial.candidates = static_cast<int>(candidates.size());
  std::vector<bool> seen(256, false);
  for (const quint8 x : named) {
    if (seen[x] || !isCandidate(x)) continue;
    seen[x] = true;
    ++trial.named;
    if (x == drawn) trial.hits = 1;
  }
  trial.drawn = isCandidate(drawn) ? 1 : 0;
  return trial;
}

ChanceVerdict ForecastChance::Verdict() const {
  if (hits > high) return ChanceVerdict::Above;
  if (hits < low) return ChanceVerdict::Below;
  return ChanceVerdict::Chance;
}

void ForecastChanceTally::Add(const ForecastTrial& trial) {
  const std::vector<double> one = HypergeometricDistribution(trial.candidates, trial.drawn, trial.named);
  std::vector<double> next(distribution_.size() + one.size() - 1, 0.0);
  for (size_t a = 0; a < distribution_.size(); ++a) {
    if (distribution_[a] == 0) continue;
    for (size_t b = 0; b < one.size(); ++b) next[a + b] += distribution_[a] * one[b];
  }
  distribution_ = std::move(next);
  ++sum_.trials;
  sum_.hits += trial.hits;
  sum_.expected += HypergeometricMean(trial.candidates, trial.drawn, trial.named);
  sum_.variance += HypergeometricVariance(trial.candidates, trial.drawn, trial.named);
}

ForecastChance ForecastChanceTally::Result() const {
  ForecastChance result = sum_;
  result.draws = draws_;
  result.low = Quantile(distribution_, 0.025);
  result.high = Quantile(distribution_, 0.975);
  return result;
}

}  // namespace tombolix
