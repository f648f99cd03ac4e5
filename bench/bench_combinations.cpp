#include "bench_histories.h"
#include "combinations/back_test.h"
#include "combinations/chance_baseline.h"
#include "combinations/fresh_draw_test.h"
#include "history/selector_population.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// A list of 1000 combinations drawn from the selector lists, as the back-test gets it.
struct BenchList {
  const History& history;
  SelectorPopulation population;
  SelectorTags tags;
  CombPositions CombPos;
  QStringList LineasComb;
};

BenchList MakeBenchList(int draws, int positions) {
  BenchList b{bench::LoadedBenchHistory(draws, positions), {}, {}, {}, {}};
  b.population = FillSelectors(HistoryView(b.history), 0);
  for (int k = 1; k <= kMaxPositions; ++k) b.tags[static_cast<size_t>(k)] = b.population.tags[static_cast<size_t>(k)];
  QRandomGenerator random(2024);
  for (int k = 1; k <= kMaxPositions; ++k) {
    const auto& list = b.population.lists[static_cast<size_t>(k)];
    for (int i = 0; i < kListSize; ++i) {
      const quint8 v = k <= positions && !list.empty() ? list[random.bounded(static_cast<quint32>(list.size()))] : 0;
      b.CombPos[static_cast<size_t>(k)].push_back(v);
    }
  }
  for (int i = 1; i <= kListSize; ++i) b.LineasComb.append(CombinationLine(i, b.CombPos, positions));
  return b;
}

// Hooks whose step reads a clock, as the window's throttled event processing does.
class ClockHooks : public StepHooks {
 public:
  ClockHooks() { timer_.start(); }
  void Step() override { benchmark::DoNotOptimize(timer_.elapsed()); }

 private:
  QElapsedTimer timer_;
};

// The back-test of 1000 combinations against the newest 100 draws; range(2) = 1
// steps through hooks that read the clock at every step.
void BM_BackTest(benchmark::State& state) {
  const BenchList b = MakeBenchList(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  ClockHooks clock;
  StepHooks& hooks = state.range(2) == 1 ? static_cast<StepHooks&>(clock) : NoHooks();
  int hitDraws = 0;
  int successes = 0;
  for (auto _ : state) {
    QStringList lines = b.LineasComb;
    ReportText report{QString()};
    BackTestResult result;
    BackTestList(HistoryView(b.history), b.CombPos, lines, b.tags, true, report, result, hooks);
    hitDraws = result.hitDraws;
    successes = result.successTotal;
    benchmark::DoNotOptimize(report.Length());
  }
  state.counters["hitDraws"] = hitDraws;
  state.counters["successes"] = successes;
}
BENCHMARK(BM_BackTest)
    ->ArgNames({"draws", "positions", "clock"})
    ->ArgsProduct({{1000, 100000}, {4, 7}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The chance baseline: 1000 random lists of each kind, with exact expectations.
void BM_ChanceBaseline(benchmark::State& state) {
  const BenchList b = MakeBenchList(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const ChanceBaseline baseline =
        CompareWithChance(HistoryView(b.history), b.CombPos, b.population.lists, b.tags, 1000, 7);
    benchmark::DoNotOptimize(baseline.fromHistory.meanSuccesses);
  }
}
BENCHMARK(BM_ChanceBaseline)
    ->ArgNames({"draws", "positions"})
    ->ArgsProduct({{1000, 10000}, {4, 7}})
    ->Unit(benchmark::kMillisecond);

// "Comparar con el azar…" on pane 14: the test on the tested draws and the
// test on fresh draws (a list generated from the earlier draws), 1000 random
// lists each. Budget: under 1 s on 10,000 draws of 7 positions.
void BM_ListChanceBothTests(benchmark::State& state) {
  const BenchList b = MakeBenchList(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const ChanceBaseline inSample =
        CompareWithChance(HistoryView(b.history), b.CombPos, b.population.lists, b.tags, 1000, 7);
    const FreshDrawTest fresh = TestOnFreshDraws(b.history, b.tags, 1000, 1, 7);
    if (!fresh.problem.isEmpty()) state.SkipWithError("no fresh-draw test");
    benchmark::DoNotOptimize(inSample.fromSelectors.meanSuccesses + fresh.baseline.fromSelectors.meanSuccesses);
  }
}
BENCHMARK(BM_ListChanceBothTests)
    ->ArgNames({"draws", "positions"})
    ->ArgsProduct({{10000}, {4, 7}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix
