#include "combinations/forecast_chance.h"

#include <algorithm>

namespace tombolix {

namespace {

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

void ForecastChanceTally::Add(double chance, bool hit) {
  const double p = std::clamp(chance, 0.0, 1.0);
  distribution_.push_back(0.0);
  for (size_t x = distribution_.size() - 1; x > 0; --x)
    distribution_[x] = distribution_[x] * (1 - p) + distribution_[x - 1] * p;
  distribution_[0] *= 1 - p;
  ++sum_.trials;
  sum_.hits += hit ? 1 : 0;
  sum_.expected += p;
  sum_.variance += p * (1 - p);
}

ForecastChance ForecastChanceTally::Result() const {
  ForecastChance result = sum_;
  result.draws = draws_;
  result.low = Quantile(distribution_, 0.025);
  result.high = Quantile(distribution_, 0.975);
  return result;
}

}  // namespace tombolix
