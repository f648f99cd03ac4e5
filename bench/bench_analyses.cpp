#include "analyses/analisis_ia.h"
#include "analyses/buscar_parecidos.h"
#include "analyses/ciclo_aparicion.h"
#include "analyses/consecutive_numbers.h"
#include "analyses/even_odd_maps.h"
#include "analyses/frequency.h"
#include "analyses/ley_del_tercio.h"
#include "analyses/play_patterns.h"
#include "analyses/prime_maps.h"
#include "analyses/pronostico_ciclo.h"
#include "analyses/repeated_numbers.h"
#include "analyses/third_law_maps.h"
#include "analyses/winning_history.h"
#include "bench_histories.h"
#include "history/selector_population.h"

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

constexpr int kWindow = 100;

// What one report needs: the history, the selector lists of the whole history
// and the arrays the maps leave for one another.
struct Inputs {
  const History& history;
  SelectorLists lists;
  AnalysisArrays arrays;
};

using Analysis = void (*)(Inputs&, ReportText&);

void Frequency(Inputs& in, ReportText& r) { ComputeFrequency(HistoryView(in.history), in.lists, r, NoHooks()); }
void ThirdLaw(Inputs& in, ReportText& r) { LeyDelTercio(HistoryView(in.history), in.lists, r, NoHooks()); }
void Cycle(Inputs& in, ReportText& r) { CicloAparicion(HistoryView(in.history), in.lists, r, NoHooks()); }
void Forecast(Inputs& in, ReportText& r) { PronosticoCiclo(HistoryView(in.history), in.lists, r, NoHooks()); }
void ForecastMap(Inputs& in, ReportText& r) {
  MapaPronosticoCiclo(HistoryView(in.history), in.lists, kWindow, in.arrays.ForecastArrays, r, NoHooks());
}
void Consecutive(Inputs& in, ReportText& r) { ConsecutiveNumbers(HistoryView(in.history), r, NoHooks()); }
void Repeated(Inputs& in, ReportText& r) { RepeatedNumbers(HistoryView(in.history), r, NoHooks()); }
void EvenOdd(Inputs& in, ReportText& r) { EvenOddMapM1(HistoryView(in.history), kWindow, in.arrays, r, NoHooks()); }
void Primes(Inputs& in, ReportText& r) { MapaPrimos(HistoryView(in.history), kWindow, in.arrays, r, NoHooks()); }
void FrequencyReplay(Inputs& in, ReportText& r) { FrequencyMapM1(in.history, kWindow, in.arrays, r, NoHooks()); }
void WinningHistoryPlain(Inputs& in, ReportText& r) {
  WinningHistory(HistoryView(in.history), in.lists, kWindow, r, NoHooks());
}
void WinningHistoryReplayed(Inputs& in, ReportText& r) {
  WinningHistoryReplay(in.history, kWindow, in.arrays, r, NoHooks());
}
void ThirdLawReplay(Inputs& in, ReportText& r) { ThirdLawMapM1(in.history, kWindow, in.arrays, r, NoHooks()); }
void PlayPatterns(Inputs& in, ReportText& r) { PatronJugadas(HistoryView(in.history), r, NoHooks()); }

// One report of the history of range(0) draws and range(1) positions.
template <Analysis Run>
void BM_Report(benchmark::State& state) {
  Inputs in{bench::LoadedBenchHistory(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), {}, {}};
  in.lists = FillSelectors(HistoryView(in.history), 0).lists;
  for (auto _ : state) {
    ReportText report{QString()};
    Run(in, report);
    benchmark::DoNotOptimize(report.Length());
  }
}

#define TOMBOLIX_REPORT_BENCHMARK(fn)             \
  BENCHMARK(BM_Report<fn>)                        \
      ->Name("BM_" #fn)                           \
      ->ArgNames({"draws", "positions"})          \
      ->ArgsProduct({{1000, 10000, 100000}, {7}}) \
      ->Unit(benchmark::kMicrosecond)

TOMBOLIX_REPORT_BENCHMARK(Frequency);
TOMBOLIX_REPORT_BENCHMARK(ThirdLaw);
TOMBOLIX_REPORT_BENCHMARK(Cycle);
TOMBOLIX_REPORT_BENCHMARK(Forecast);
TOMBOLIX_REPORT_BENCHMARK(ForecastMap);
TOMBOLIX_REPORT_BENCHMARK(Consecutive);
TOMBOLIX_REPORT_BENCHMARK(Repeated);
TOMBOLIX_REPORT_BENCHMARK(EvenOdd);
TOMBOLIX_REPORT_BENCHMARK(Primes);
TOMBOLIX_REPORT_BENCHMARK(FrequencyReplay);
TOMBOLIX_REPORT_BENCHMARK(WinningHistoryPlain);
TOMBOLIX_REPORT_BENCHMARK(WinningHistoryReplayed);
TOMBOLIX_REPORT_BENCHMARK(ThirdLawReplay);
TOMBOLIX_REPORT_BENCHMARK(PlayPatterns);

// The map M2 groupings, each on the rows its map M1 leaves (rebuilt outside the timing).
template <Analysis MapOne, void (*MapTwo)(AnalysisArrays&, int, ReportText&, StepHooks&)>
void BM_Groups(benchmark::State& state) {
  Inputs in{bench::LoadedBenchHistory(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), {}, {}};
  ReportText mapOne{QString()};
  MapOne(in, mapOne);
  const AnalysisArrays rows = in.arrays;
  for (auto _ : state) {
    state.PauseTiming();
    in.arrays = rows;
    ReportText report{QString()};
    state.ResumeTiming();
    MapTwo(in.arrays, in.history.PositionCount, report, NoHooks());
    benchmark::DoNotOptimize(report.Length());
  }
}
BENCHMARK(BM_Groups<FrequencyReplay, FrequencyMapM2>)
    ->Name("BM_FrequencyGroups")
    ->ArgNames({"draws", "positions"})
    ->Args({10000, 7})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Groups<EvenOdd, EvenOddMapM2>)
    ->Name("BM_EvenOddGroups")
    ->ArgNames({"draws", "positions"})
    ->Args({10000, 7})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Groups<ThirdLawReplay, ThirdLawMapM2>)
    ->Name("BM_ThirdLawGroups")
    ->ArgNames({"draws", "positions"})
    ->Args({10000, 7})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Groups<Primes, GruposPrimos>)
    ->Name("BM_PrimeGroups")
    ->ArgNames({"draws", "positions"})
    ->Args({10000, 7})
    ->Unit(benchmark::kMicrosecond);

// The source panes of the AI summary, filled by their analyses (outside the timing).
PaneTexts FilledPanes(Inputs& in) {
  std::array<ReportText, kPaneCount> reports;
  Frequency(in, reports[Pane::Frecuencia]);
  ThirdLaw(in, reports[Pane::LeyTercio]);
  Cycle(in, reports[Pane::CicloAparicion]);
  Forecast(in, reports[Pane::PronosticoM1]);
  Consecutive(in, reports[Pane::Consecutivos]);
  Repeated(in, reports[Pane::Repetidos]);
  EvenOdd(in, reports[Pane::ParesImparesM1]);
  Primes(in, reports[Pane::PrimosM1]);
  PaneTexts panes;
  for (size_t i = 0; i < panes.size(); ++i) panes[i] = reports[i].Text();
  return panes;
}

void BM_AiSummary(benchmark::State& state) {
  Inputs in{bench::LoadedBenchHistory(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), {}, {}};
  in.lists = FillSelectors(HistoryView(in.history), 0).lists;
  const PaneTexts panes = FilledPanes(in);
  for (auto _ : state) {
    ReportText report{QString()};
    AnalisisIA(panes, HistoryView(in.history), report, NoHooks());
    benchmark::DoNotOptimize(report.Length());
  }
}
BENCHMARK(BM_AiSummary)->ArgNames({"draws", "positions"})->Args({10000, 7})->Unit(benchmark::kMicrosecond);

// The search for the newest draw (last-draw mode) and for the selection of the
// first draw (selection mode), with the source panes and the summary filled.
void BM_SimilarDraws(benchmark::State& state) {
  Inputs in{bench::LoadedBenchHistory(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), {}, {}};
  in.lists = FillSelectors(HistoryView(in.history), 0).lists;
  PaneTexts panes = FilledPanes(in);
  ReportText summary{QString()};
  AnalisisIA(panes, HistoryView(in.history), summary, NoHooks());
  panes[Pane::ResumenIA] = summary.Text();
  SelectorTexts texts;
  texts.fill(QStringLiteral("--"));
  for (int k = 1; k <= in.history.PositionCount; ++k) {
    texts[static_cast<size_t>(k)] = QString::number(in.history.P(k, 1));
  }
  const auto pane = static_cast<quint8>(state.range(2));
  for (auto _ : state) {
    ReportText report{QString()};
    BuscarParecidos(pane, HistoryView(in.history), texts, panes, report, NoHooks());
    benchmark::DoNotOptimize(report.Length());
  }
}
BENCHMARK(BM_SimilarDraws)
    ->ArgNames({"draws", "positions", "pane"})
    ->ArgsProduct({{100000}, {7}, {0, 19}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tombolix
