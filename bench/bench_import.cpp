#include "importer/history_writer.h"
#include "importer/import_analysis.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// A downloaded results file of `rows` six-number draws as lottery sites give
// them: a header, semicolons, year-first dates, newest draw first.
QByteArray DownloadedResults(int rows) {
  QByteArray csv = "Fecha;Bola 1;Bola 2;Bola 3;Bola 4;Bola 5;Bola 6\r\n";
  int day = 0;
  for (int r = rows; r > 0; --r) {
    day = r * 3;
    const int year = 1980 + day / 336;
    const int month = 1 + (day / 28) % 12;
    csv += QByteArray::number(year) + '-' + QByteArray::number(month) + '-' + QByteArray::number(1 + day % 28);
    for (int k = 0; k < 6; ++k) csv += ';' + QByteArray::number(1 + (r * 7 + k * 11) % 45);
    csv += "\r\n";
  }
  return csv;
}

// From the bytes of the file to the checked history text (decode, split,
// guess, preview, check, sort, load back), then written through QSaveFile.
void BM_ImportResults(benchmark::State& state) {
  const QByteArray csv = DownloadedResults(static_cast<int>(state.range(0)));
  QTemporaryDir folder;
  for (auto _ : state) {
    const ImportAnalysis analysis = AnalyseImport(csv, {});
    if (analysis.HasErrors()) state.SkipWithError("the results file has errors");
    const WriteResult written =
        WriteImportedHistory(folder.path(), QStringLiteral("Loto"), analysis.historyText, WriteKind::Replace);
    benchmark::DoNotOptimize(written);
  }
  state.SetBytesProcessed(state.iterations() * csv.size());
}
BENCHMARK(BM_ImportResults)->ArgName("rows")->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix
