// "Comparar con el azar…" on panes 7 and 20: 100 draws replayed, each
// forecast computed from the draws known before it, on a 10,000-draw history.

#include "app/forecast_chance.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "bench_histories.h"
#include "report_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

void BM_ForecastChance(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = bench::WriteHistoryFile(folder.path(), static_cast<int>(state.range(1)), 7);
  if (path.isEmpty()) return;
  QString errors;
  QTextStream err(&errors);
  ReportPlatform host(err);
  TombolixApp app(host, folder.path());
  app.SetSoundEnabled(false);
  app.LoadForReport(path);
  app.RunCommand(Command::AnalisisIa);  // fills both panes
  const int pane = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const auto result = CompareForecastWithChance(app.Model(), pane, 0, [](int) { return true; });
    if (!result) state.SkipWithError("no comparison");
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ForecastChance)
    ->ArgNames({"pane", "draws"})
    ->Args({Pane::PronosticoM1, 10000})
    ->Args({Pane::ResumenIA, 10000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix
