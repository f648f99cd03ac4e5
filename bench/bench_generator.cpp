#include "generator/combination_generator.h"
#include "history/loader.h"
#include "history/selector_population.h"
#include "synthetic_history.h"

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// A six-of-45 history of 10,000 draws with its acceptance values and selector lists, built once.
struct SixOfFortyFive {
  LoadedHistory loaded;
  SelectorLists lists;

  static const SixOfFortyFive& Get() {
    static const SixOfFortyFive instance = [] {
      SynthOptions options;  // six distinct numbers of 1..45
      options.draws = 10000;
      options.seed = 45;
      SixOfFortyFive s{ParseHistory(SyntheticHistory(options)), {}};
      s.lists = FillSelectors(HistoryView(s.loaded.history), 0).lists;
      return s;
    }();
    return instance;
  }
};

// Candidates drawn and tested per second, accepted or not (items/s); the list
// is started again every 1000 acceptances so it stays the size of a real one.
void BM_GeneratorCandidates(benchmark::State& state) {
  const SixOfFortyFive& h = SixOfFortyFive::Get();
  CombinationGenerator generator(HistoryView(h.loaded.history), h.loaded.acceptance);
  QRandomGenerator random(1);
  int64_t candidates = 0;
  for (auto _ : state) {
    const GenerationResult r = generator.Generate(h.lists, random);
    candidates += r.candidatesDrawn;
    if (generator.Generated().size() >= 1000) generator.ClearGenerated();
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(candidates);
  state.counters["candidates/call"] = benchmark::Counter(static_cast<double>(candidates) / state.iterations());
}
BENCHMARK(BM_GeneratorCandidates);

// A whole list: the generator built from the history, then 1000 combinations.
void BM_GeneratorList(benchmark::State& state) {
  const SixOfFortyFive& h = SixOfFortyFive::Get();
  quint32 seed = 0;
  int64_t failures = 0;
  for (auto _ : state) {
    CombinationGenerator generator(HistoryView(h.loaded.history), h.loaded.acceptance);
    QRandomGenerator random(++seed);
    for (int i = 0; i < 1000; ++i) failures += generator.Generate(h.lists, random).accepted ? 0 : 1;
    benchmark::DoNotOptimize(generator.Generated().data());
  }
  state.counters["failures"] = benchmark::Counter(static_cast<double>(failures));
}
BENCHMARK(BM_GeneratorList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix
