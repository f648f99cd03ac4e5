#include "combinations/forecast_chance.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// Hypergeometric figures worked out by hand from the binomial coefficients.
TEST(ForecastChance, HypergeometricFiguresMatchHandComputedValues) {
  struct Case {
    int population, successes, picks;
    std::vector<double> distribution;
    double mean, variance;
  };
  const Case cases[] = {
      {10, 1, 3, {0.7, 0.3}, 0.3, 0.21},
      // C(7,4)/C(10,4) = 35/210, 3*C(7,3)/210, 3*C(7,2)/210, C(7,1)/210.
      {10, 3, 4, {35 / 210.0, 105 / 210.0, 63 / 210.0, 7 / 210.0}, 1.2, 0.56},
      {10, 0, 4, {1.0}, 0, 0},
      // More picks than candidates take them all: the hit is certain.
      {5, 1, 9, {0.0, 1.0}, 1, 0},
      {0, 1, 2, {1.0}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.population << "," << c.successes << "," << c.picks);
    const std::vector<double> p = HypergeometricDistribution(c.population, c.successes, c.picks);
    ASSERT_EQ(p.size(), c.distribution.size());
    for (size_t x = 0; x < p.size(); ++x) EXPECT_NEAR(p[x], c.distribution[x], 1e-12);
    EXPECT_NEAR(HypergeometricMean(c.population, c.successes, c.picks), c.mean, 1e-12);
    EXPECT_NEAR(HypergeometricVariance(c.population, c.successes, c.picks), c.variance, 1e-12);
  }
}

// 100 fair coins (5 named of 10 candidates, one drawn): the exact band of a
// binomial(100, 1/2) is 40..60; hits outside it turn the verdict.
TEST(ForecastChance, BandIsTheExactQuantilesOfTheConvolution) {
  const struct {
    int hits;
    ChanceVerdict verdict;
  } cases[] = {
      {39, ChanceVerdict::Below}, {40, ChanceVerdict::Chance}, {60, ChanceVerdict::Chance}, {61, ChanceVerdict::Above}};
  for (const auto& c : cases) {
    ForecastChanceTally tally;
    for (int i = 0; i < 100; ++i) tally.Add({10, 5, 1, i < c.hits ? 1 : 0});
    const ForecastChance r = tally.Result();
    EXPECT_EQ(r.low, 40);
    EXPECT_EQ(r.high, 60);
    EXPECT_NEAR(r.expected, 50, 1e-9);
    EXPECT_NEAR(r.variance, 25, 1e-9);
    EXPECT_EQ(r.Verdict(), c.verdict) << c.hits;
  }
}

// Named numbers outside the candidates, repeated, or a drawn number that is no candidate.
TEST(ForecastChance, TrialsCountOnlyNamedCandidates) {
  const std::vector<quint8> candidates{3, 7, 9, 12};
  const struct {
    std::vector<quint8> named;
    quint8 drawn;
    int namedCount, drawnCount, hits;
  } cases[] = {{{7, 7, 40}, 7, 1, 1, 1}, {{3, 9}, 12, 2, 1, 0}, {{3, 9}, 40, 2, 0, 0}};
  for (const auto& c : cases) {
    const ForecastTrial t = MakeTrial(candidates, c.named, c.drawn);
    EXPECT_EQ(t.candidates, 4);
    EXPECT_EQ(t.named, c.namedCount);
    EXPECT_EQ(t.drawn, c.drawnCount);
    EXPECT_EQ(t.hits, c.hits);
  }
}

}  // namespace
}  // namespace tombolix
