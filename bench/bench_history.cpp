#include "bench_histories.h"
#include "history/selector_population.h"

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// Parsing a history file of range(0) draws with range(1) positions.
void BM_ParseHistory(benchmark::State& state) {
  const QByteArray& text = bench::HistoryText(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    LoadedHistory loaded = ParseHistory(text);
    benchmark::DoNotOptimize(loaded);
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ParseHistory)
    ->ArgNames({"draws", "positions"})
    ->ArgsProduct({{100, 1000, 10000, 100000}, {3, 4, 6, 7}})
    ->Unit(benchmark::kMillisecond);

// Filling the selectors from the last 100 draws of a range(0)-draw history.
void BM_FillSelectors(benchmark::State& state) {
  const History& history =
      bench::LoadedBenchHistory(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const HistoryView view(history);
  for (auto _ : state) {
    SelectorPopulation population = FillSelectors(view, 0);
    benchmark::DoNotOptimize(population);
  }
}
BENCHMARK(BM_FillSelectors)
    ->ArgNames({"draws", "positions"})
    ->ArgsProduct({{100, 100000}, {3, 4, 6, 7}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tombolix
