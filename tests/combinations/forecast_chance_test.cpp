#include "combinations/forecast_chance.h"
#include "combinations/forecast_chance_report.h"
#include "combinations/forecast_replay.h"
#include "combinations/position_law.h"

#include "combination_fixtures.h"
#include "history/loader.h"
#include "synthetic_history.h"

#include <QJsonValue>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The band against every outcome of four trials, enumerated.
TEST(ForecastChance, BandIsTheExactQuantilesOfTheHits) {
  const std::vector<double> p = {0.1, 0.5, 0.9, 0.3};
  ForecastChanceTally tally;
  for (const double x : p) tally.Add(x, false);
  std::vector<double> law(p.size() + 1, 0.0);
  for (int outcome = 0; outcome < 16; ++outcome) {
    double probability = 1;
    int hits = 0;
    for (size_t i = 0; i < p.size(); ++i) {
      const bool hit = (outcome >> i) & 1;
      probability *= hit ? p[i] : 1 - p[i];
      hits += hit ? 1 : 0;
    }
    law[static_cast<size_t>(hits)] += probability;
  }
  const auto quantile = [&](double q) {
    double sum = 0;
    for (size_t x = 0; x < law.size(); ++x)
      if ((sum += law[x]) >= q - 1e-12) return static_cast<int>(x);
    return static_cast<int>(law.size()) - 1;
  };
  const ForecastChance r = tally.Result();
  EXPECT_NEAR(r.expected, 1.8, 1e-12);
  EXPECT_NEAR(r.variance, 0.09 + 0.25 + 0.09 + 0.21, 1e-12);
  EXPECT_EQ(r.low, quantile(0.025));
  EXPECT_EQ(r.high, quantile(0.975));
}

History Synthetic(SynthOptions options) { return ParseHistory(SyntheticHistory(options)).history; }

SynthOptions Shape(int shape, int draws, std::uint64_t seed) {
  SynthOptions o;
  o.draws = draws, o.seed = seed;
  if (shape == 0) o.numbers = 6, o.max = 49, o.bonus = 49;                // 6 of 49 and a bonus ball
  if (shape == 1) o.numbers = 5, o.max = 50, o.bonus = 12, o.bonus2 = 12;  // 5 + 2 stars
  if (shape == 2) o.kind = SynthOptions::Kind::Digits, o.positions = 4;   // 4 digits
  return o;
}

const NameNumbers kNothing = [](const HistoryView&, const SelectorLists&) { return SelectorLists{}; };

// The chance of a predicted draw is read from earlier draws only, and leaves
// out the 100 draws before it once there are enough.
TEST(ForecastChance, PositionLawReadsOnlyEarlierDraws) {
  History h = Synthetic(Shape(2, 400, 3));
  const PositionLaw law(HistoryView(h), 350);
  EXPECT_EQ(law.Draws(), 249);
  EXPECT_FALSE(law.FewDraws());
  const PositionLaw early(HistoryView(h), 150);
  EXPECT_EQ(early.Draws(), 149);
  EXPECT_TRUE(early.FewDraws());
  const double before = law.Share(2, 7);
  for (int d = 250; d <= 400; ++d) h.Pos[1][d - 1] = 7;  // planted after the draws it reads
  EXPECT_EQ(PositionLaw(HistoryView(h), 350).Share(2, 7), before);
  int count = 0;
  for (int d = 1; d <= 249; ++d) count += h.P(2, d) == 7 ? 1 : 0;
  EXPECT_DOUBLE_EQ(before, (count + 1.0) / (249 + 10));
}

// On fair lotteries of each shape the rule with no skill is judged chance.
TEST(ForecastChance, NaiveRowIsChanceOnFairLotteries) {
  for (int shape = 0; shape < 3; ++shape) {
    int chance = 0, seeds = 12;
    for (int seed = 1; seed <= seeds; ++seed) {
      const History h = Synthetic(Shape(shape, 400, static_cast<std::uint64_t>(seed)));
      const auto replay = ReplayForecasts(h, 100, kNothing, {});
      ASSERT_TRUE(replay);
      EXPECT_EQ(replay->forecast.trials, 0);
      EXPECT_EQ(replay->naive.trials, 100 * h.PositionCount);
      chance += replay->naive.BandVerdict() == ChanceVerdict::Chance ? 1 : 0;
    }
    EXPECT_GE(chance, seeds - 2) << "shape " << shape;
  }
}

// Position 2 of a digit game shows 7 every third draw in its last 300 draws:
// naming the most frequent catches it, and chance, read from earlier draws, does not.
TEST(ForecastChance, RiggedPositionMakesTheNaiveRowBetterThanChance) {
  History h = Synthetic(Shape(2, 1000, 5));
  for (int d = 701; d <= 1000; d += 3) h.Pos[1][d - 1] = 7;
  const auto replay = ReplayForecasts(h, 100, kNothing, {});
  ASSERT_TRUE(replay);
  EXPECT_EQ(replay->naive.BandVerdict(), ChanceVerdict::Above);
  ForecastComparison c{*replay, ForecastSource::Cycle, 100, 100};
  EXPECT_TRUE(ForecastChanceSentence(c).contains(QStringLiteral("mejor que el azar")));
  c.requested = 60, c.replay.forecast.draws = c.replay.naive.draws = 60;
  EXPECT_TRUE(ForecastChanceJson(c).value(QStringLiteral("verdict")).isNull());
  EXPECT_TRUE(ForecastChanceSentence(c).contains(QStringLiteral("Sin veredicto")));
}

TEST(ForecastChance, NothingToReplay) {
  const History h = Synthetic(Shape(2, 1, 1));
  const auto replay = ReplayForecasts(h, 100, kNothing, {});
  ASSERT_TRUE(replay);
  const ForecastComparison c{*replay, ForecastSource::Summary, 100, 0};
  EXPECT_EQ(ForecastChanceSentence(c), QStringLiteral("No hay sorteos que comparar."));
  EXPECT_TRUE(ForecastChanceJson(c).value(QStringLiteral("verdict")).isNull());
}

}  // namespace
}  // namespace tombolix
