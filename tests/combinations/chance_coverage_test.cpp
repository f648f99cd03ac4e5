// Coverage of the comparisons with chance on fair synthetic lotteries, at full
// size. Too slow for the suite: run on request, with the seed count in
// TOMBOLIX_COVERAGE_SEEDS (100 by default):
//   tombolix_tests --gtest_also_run_disabled_tests --gtest_filter='*ChanceCoverage*'

#include "analyses/pronostico_ciclo.h"
#include "combinations/forecast_replay.h"
#include "combinations/fresh_draw_test.h"
#include "history/loader.h"
#include "synthetic_history.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdio>

namespace tombolix {
namespace {

int Seeds() { return qEnvironmentVariableIntValue("TOMBOLIX_COVERAGE_SEEDS") > 0 ? qEnvironmentVariableIntValue("TOMBOLIX_COVERAGE_SEEDS") : 100; }

History Fair(int shape, int draws, std::uint64_t seed) {
  SynthOptions o;
  o.draws = draws, o.seed = seed;
  if (shape == 0) o.numbers = 6, o.max = 49, o.bonus = 49;
  if (shape == 1) o.numbers = 5, o.max = 50, o.bonus = 12, o.bonus2 = 12;
  if (shape == 2) o.kind = SynthOptions::Kind::Digits, o.positions = 4;
  return ParseHistory(SyntheticHistory(o)).history;
}

const char* const kShapes[] = {"6/49 + bonus", "5 + 2", "4 digits"};
constexpr int kPickerRuns = 4;

// The naive row beside the forecast by cycle, and a random picker's hits
// inside their band, on 4,000-draw histories.
TEST(DISABLED_ChanceCoverage, ForecastRowsOnFairLotteries) {
  const int seeds = Seeds();
  for (int shape = 0; shape < 3; ++shape) {
    int naiveChance = 0, pickerInside = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
      const History h = Fair(shape, 4000, static_cast<std::uint64_t>(seed));
      const NameNumbers cycle = [](const HistoryView& known, const SelectorLists& lists) {
        return DueNumbers(known, lists);
      };
      const auto byCycle = ReplayForecasts(h, 100, cycle, {});
      naiveChance += byCycle->naive.BandVerdict() == ChanceVerdict::Chance ? 1 : 0;
      // Four picker runs per history: 400 runs on 100 seeds.
      for (int run = 0; run < kPickerRuns; ++run) {
        QRandomGenerator random(static_cast<quint32>(seed * kPickerRuns + run));
        const NameNumbers picker = [&random](const HistoryView&, const SelectorLists& lists) {
          SelectorLists named;
          for (size_t k = 1; k < lists.size(); ++k) {
            if (lists[k].empty()) continue;
            std::vector<quint8> pool = lists[k];
            const int count = 1 + static_cast<int>(random.bounded(3u));
            for (int i = 0; i < count && !pool.empty(); ++i) {
              const auto j = random.bounded(static_cast<quint32>(pool.size()));
              named[k].push_back(pool[j]);
              pool.erase(pool.begin() + j);
            }
          }
          return named;
        };
        const auto byPicker = ReplayForecasts(h, 100, picker, {});
        pickerInside += byPicker->forecast.BandVerdict() == ChanceVerdict::Chance ? 1 : 0;
      }
    }
    std::printf("%s: naive row judged chance in %d of %d seeds; random picker inside its band in %d of %d runs\n",
                kShapes[shape], naiveChance, seeds, pickerInside, seeds * kPickerRuns);
    EXPECT_GE(naiveChance, seeds * 88 / 100);
    EXPECT_GE(pickerInside, seeds * kPickerRuns * 92 / 100);
    EXPECT_LE(pickerInside, seeds * kPickerRuns * 98 / 100);
  }
}

// The generated list on fresh draws: judged "no se distingue del azar".
TEST(DISABLED_ChanceCoverage, FreshDrawVerdictsOnFairLotteries) {
  const int seeds = std::min(Seeds(), 40);
  for (int shape = 0; shape < 3; ++shape) {
    int chance = 0, above = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
      const History h = Fair(shape, 4000, static_cast<std::uint64_t>(seed));
      const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
      const FreshDrawTest test = TestOnFreshDraws(h, population.tags, 200, static_cast<quint32>(seed), 7);
      ASSERT_TRUE(test.problem.isEmpty()) << test.problem.toStdString();
      chance += test.baseline.Verdict() == ChanceVerdict::Chance ? 1 : 0;
      above += test.baseline.Verdict() == ChanceVerdict::Above ? 1 : 0;
    }
    std::printf("%s: fresh-draw list judged chance in %d of %d seeds, better than chance in %d\n", kShapes[shape],
                chance, seeds, above);
    EXPECT_GE(chance, seeds * 34 / 40);
  }
}

}  // namespace
}  // namespace tombolix
