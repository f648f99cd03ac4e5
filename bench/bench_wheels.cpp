#include "wheels/covering_bounds.h"
#include "wheels/subset_masks.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_search.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace tombolix {
namespace {

// The exhaustive check of 100 random six-number tickets over 30 chosen numbers
// for five hits when five come out: 142,506 subsets, nearly all uncovered, so
// each is compared with every ticket (the slowest case of a check this size).
void BM_CheckWheel100TicketsOver30(benchmark::State& state) {
  QRandomGenerator rng(30);
  std::vector<std::uint32_t> tickets;
  while (tickets.size() < 100) {
    std::uint32_t ticket = 0;
    while (CountBits(ticket) < 6) ticket |= 1u << rng.bounded(30);
    tickets.push_back(ticket);
  }
  const WheelShape shape{30, 6, 5, 5, 0};
  for (auto _ : state) {
    const WheelCheck check = CheckWheel(shape, tickets);
    benchmark::DoNotOptimize(check);
    state.counters["subsets"] = static_cast<double>(check.subsetsChecked);
  }
}
BENCHMARK(BM_CheckWheel100TicketsOver30)->Unit(benchmark::kMillisecond);

// The search with the dialog's budget of 3 s, seed 1, on common wheels
// (v, k, t = m): the tickets found beside Schönheim's bound and, where one is
// published, the best known size (0: none shipped).
void BM_WheelSearch(benchmark::State& state) {
  const WheelShape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)), static_cast<int>(state.range(2)), 0};
  for (auto _ : state) {
    const WheelSearchResult result = SearchWheel(shape, 3000, 1, {});
    state.counters["tickets"] = static_cast<double>(result.tickets.size());
    state.counters["seconds"] = static_cast<double>(result.elapsedMs) / 1000.0;
  }
  state.counters["schonheim"] = static_cast<double>(SchonheimBound(shape.v, shape.k, shape.t));
  const std::optional<KnownWheelSize> known = BestKnownSize(shape.v, shape.k, shape.t, shape.m);
  state.counters["best_known"] = known ? static_cast<double>(known->tickets) : 0.0;
}
BENCHMARK(BM_WheelSearch)
    ->ArgsProduct({{10, 12, 14, 16, 18, 20}, {5, 6}, {3, 4}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tombolix
