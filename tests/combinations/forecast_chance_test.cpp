#include "combinations/forecast_chance.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// Hypergeometric figures worked out by hand from the binomial coefficients.
TEST(ForecastChance, HypergeometricFiguresMatchHandComputedValues) {
  const struct {
    int population, successes, picks;
    std::vector<double> distribution;
    double mean, variance;
  } cases[] = {
      {10, 1, 3, {0.7, 0.3}, 0.3, 0.21},
      // C(7,4)/C(10,4) = 35/210, 3*C(7,3)/210, 3*C(7,2)/210, C(7,1)/210.
      {10, 3, 4, {35 / 210.0, 105 / 210.0, 63 / 210.0, 7 / 210.0}, 1.2, 0.56},
      {5, 1, 9, {0.0, 1.0}, 1, 0},  // more picks than candidates take them all
  };
  for (const auto& c : cases) {
    const std::vector<double> p = HypergeometricDistribution(c.population, c.successes, c.picks);
    ASSERT_EQ(p.size(), c.distribution.size()) << c.successes;
    for (size_t x = 0; x < p.size(); ++x) EXPECT_NEAR(p[x], c.distribution[x], 1e-12);
    EXPECT_NEAR(HypergeometricMean(c.population, c.successes, c.picks), c.mean, 1e-12);
    EXPECT_NEAR(HypergeometricVariance(c.population, c.successes, c.picks), c.variance, 1e-12);
  }
}

// 100 fair coins (5 named of 10 candidates, one drawn): the exact band of a
// binomial(100, 1/2) is 40..60; hits outside it turn the verdict.
TEST(ForecastChance, BandIsTheExactQuantilesOfTheConvolution) {
  const std::pair<int, ChanceVerdict> cases[] = {
      {39, ChanceVerdict::Below}, {40, ChanceVerdict::Chance}, {60, ChanceVerdict::Chance}, {61, ChanceVerdict::Above}};
  for (const auto& [hits, verdict] : cases) {
    ForecastChanceTally tally;
    for (int i = 0; i < 100; ++i) tally.Add({10, 5, 1, i < hits ? 1 : 0});
    const ForecastChance r = tally.Result();
    EXPECT_EQ(std::make_pair(r.low, r.high), std::make_pair(40, 60));
    EXPECT_NEAR(r.expected, 50, 1e-9);
    EXPECT_NEAR(r.variance, 25, 1e-9);
    EXPECT_EQ(r.Verdict(), verdict) << hits;
  }
}

// Named numbers repeated or outside the candidates, and a drawn number that is no candidate.
TEST(ForecastChance, TrialsCountOnlyNamedCandidates) {
  const std::vector<quint8> candidates{3, 7, 9, 12};
  const ForecastTrial repeated = MakeTrial(candidates, {7, 7, 40}, 7);
  const ForecastTrial newcomer = MakeTrial(candidates, {3, 9}, 40);
  EXPECT_EQ((std::array{repeated.named, repeated.drawn, repeated.hits}), (std::array{1, 1, 1}));
  EXPECT_EQ((std::array{newcomer.named, newcomer.drawn, newcomer.hits}), (std::array{2, 0, 0}));
}

}  // namespace
}  // namespace tombolix
