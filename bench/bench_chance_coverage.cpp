// Coverage of the comparisons with chance on fair synthetic lotteries, at
// full size, in a Release build. Slow (minutes): each runs only when
// TOMBOLIX_COVERAGE_SEEDS is set, e.g.
//   TOMBOLIX_COVERAGE_SEEDS=40 tombolix_bench --benchmark_filter=Coverage
// Counters per shape (0: 6/49 + bonus, 1: 5 + 2, 2: 4 digits).

#include "analyses/pronostico_ciclo.h"
#include "combinations/forecast_replay.h"
#include "combinations/fresh_draw_test.h"
#include "history/loader.h"
#include "synthetic_history.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cmath>

namespace tombolix {
namespace {

History Fair(int shape, std::uint64_t seed) {
  SynthOptions o;
  o.draws = 4000, o.seed = seed;
  if (shape == 0) o.numbers = 6, o.max = 49, o.bonus = 49;
  if (shape == 1) o.numbers = 5, o.max = 50, o.bonus = 12, o.bonus2 = 12;
  if (shape == 2) o.kind = SynthOptions::Kind::Digits, o.positions = 4;
  return ParseHistory(SyntheticHistory(o)).history;
}

// The generated list on fresh draws, 1,000 random lists as the dialog uses.
// z is the list's successes less the random lists' mean, over their spread
// (band width / 3.92): its mean shows skill, its root mean square above 1 a
// list more spread than the random lists.
void BM_CoverageFreshDraws(benchmark::State& state) {
  const int seeds = qEnvironmentVariableIntValue("TOMBOLIX_COVERAGE_SEEDS");
  if (seeds <= 0) return state.SkipWithError("TOMBOLIX_COVERAGE_SEEDS not set");
  const int shape = static_cast<int>(state.range(0));
  for (auto _ : state) {
    int chance = 0, above = 0, below = 0;
    double zSum = 0, zSquares = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
      const History h = Fair(shape, static_cast<std::uint64_t>(seed));
      const FreshDrawTest test = TestOnFreshDraws(h, FillSelectors(HistoryView(h), 0).tags, 1000,
                                                  static_cast<quint32>(seed), 7);
      if (!test.problem.isEmpty()) return state.SkipWithError("no fresh-draw test");
      const ChanceBaseline& b = test.baseline;
      chance += b.Verdict() == ChanceVerdict::Chance ? 1 : 0;
      above += b.Verdict() == ChanceVerdict::Above ? 1 : 0;
      below += b.Verdict() == ChanceVerdict::Below ? 1 : 0;
      const double spread = std::max(1.0, (b.fromSelectors.highSuccesses - b.fromSelectors.lowSuccesses) / 3.92);
      const double z = (b.listSuccesses - b.fromSelectors.meanSuccesses) / spread;
      zSum += z, zSquares += z * z;
    }
    state.counters["seeds"] = seeds;
    state.counters["chance"] = chance;
    state.counters["above"] = above;
    state.counters["below"] = below;
    state.counters["zMean"] = zSum / seeds;
    state.counters["zRms"] = std::sqrt(zSquares / seeds);
  }
}
BENCHMARK(BM_CoverageFreshDraws)->ArgName("shape")->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kSecond);

// Panes 7 and 20's rows: the naive row beside the forecast by cycle (one run
// per seed), and a random picker naming 1..3 candidates per position (four
// runs per seed) inside its band.
void BM_CoverageForecastRows(benchmark::State& state) {
  const int seeds = qEnvironmentVariableIntValue("TOMBOLIX_COVERAGE_SEEDS");
  if (seeds <= 0) return state.SkipWithError("TOMBOLIX_COVERAGE_SEEDS not set");
  const int shape = static_cast<int>(state.range(0));
  constexpr int kPickerRuns = 4;
  for (auto _ : state) {
    int naiveChance = 0, pickerInside = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
      const History h = Fair(shape, static_cast<std::uint64_t>(seed));
      const NameNumbers cycle = [](const HistoryView& known, const SelectorLists& lists) {
        return DueNumbers(known, lists);
      };
      naiveChance += ReplayForecasts(h, 100, cycle, {})->naive.BandVerdict() == ChanceVerdict::Chance ? 1 : 0;
      for (int run = 0; run < kPickerRuns; ++run) {
        QRandomGenerator random(static_cast<quint32>(seed * kPickerRuns + run));
        const NameNumbers picker = [&random](const HistoryView&, const SelectorLists& lists) {
          SelectorLists named;
          for (size_t k = 1; k < lists.size(); ++k) {
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
        pickerInside +=
            ReplayForecasts(h, 100, picker, {})->forecast.BandVerdict() == ChanceVerdict::Chance ? 1 : 0;
      }
    }
    state.counters["seeds"] = seeds;
    state.counters["naiveChance"] = naiveChance;
    state.counters["pickerRuns"] = seeds * kPickerRuns;
    state.counters["pickerInside"] = pickerInside;
  }
}
BENCHMARK(BM_CoverageForecastRows)->ArgName("shape")->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tombolix
