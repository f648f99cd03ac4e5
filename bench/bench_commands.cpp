// Whole commands as the window runs them, on the report tool's platform (no
// display, no waits): ANÁLISIS iA from a fresh load computes its eight source
// analyses and the summary.

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

void BM_AnalisisIaFromLoad(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path =
      bench::WriteHistoryFile(folder.path(), static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  if (path.isEmpty()) return;
  QString errors;
  QTextStream err(&errors);
  for (auto _ : state) {
    state.PauseTiming();
    ReportPlatform host(err);
    TombolixApp app(host, folder.path());
    app.SetSoundEnabled(false);
    app.LoadForReport(path);
    state.ResumeTiming();
    app.RunCommand(Command::AnalisisIa);
    benchmark::DoNotOptimize(app.Model().RtfReporte[Pane::ResumenIA].report.Length());
  }
}
BENCHMARK(BM_AnalisisIaFromLoad)->ArgNames({"draws", "positions"})->Args({10000, 7})->Unit(benchmark::kMillisecond);

// COMBINACIONES on the 6-of-45 sample lottery with no saved list: 1000
// combinations generated, back-tested on 100 draws, headed and coloured. The
// report platform's waits take no time, so this is the computation alone.
void BM_CombinacionesNewList(benchmark::State& state) {
  const QString path = QStringLiteral(TOMBOLIX_SOURCE_DIR "/data/Historiales/Loto Ejemplo 6-45.txt");
  QString errors;
  QTextStream err(&errors);
  quint32 seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    ReportPlatform host(err);
    TombolixApp app(host, QStringLiteral(TOMBOLIX_SOURCE_DIR));
    app.SetSoundEnabled(false);
    app.LoadForReport(path);
    app.Lists().SetHandOver({QString(), false});
    app.Lists().SeedGenerator(seed++);
    state.ResumeTiming();
    app.RunCommand(Command::Combinaciones);
    benchmark::DoNotOptimize(app.Model().RtfReporte[Pane::GeneradorM1].report.Length());
  }
}
BENCHMARK(BM_CombinacionesNewList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix
