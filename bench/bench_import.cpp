#include "app/import_flow.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tombolix {
namespace {

// A results file of `rows` draws as a lottery site exports it: a header,
// semicolons, a draw number, day-first dates, six balls and a complementary
// ball, a jackpot with decimal commas and winners per category; newest first,
// one draw a day.
QByteArray ExportedResults(int rows) {
  QByteArray csv = "Sorteo;Fecha;Bola 1;Bola 2;Bola 3;Bola 4;Bola 5;Bola 6;Complementario;Bote";
  for (int c = 1; c <= 5; ++c) csv += ";Acertantes " + QByteArray::number(c) + ";Premio " + QByteArray::number(c);
  csv += "\r\n";
  const QDate first(100, 1, 1);
  for (int r = rows - 1; r >= 0; --r) {
    csv += QByteArray::number(r + 1) + ';' + first.addDays(r).toString(QStringLiteral("dd/MM/yyyy")).toLatin1();
    for (int k = 0; k < 7; ++k) csv += ';' + QByteArray::number(1 + (r * 7 + k * 11) % 49);
    csv += ';' + QByteArray::number(1000000 + r % 977 * 1013) + ",50";
    for (int c = 1; c <= 5; ++c) {
      csv += ';' + QByteArray::number(r % (c * 7)) + ';' + QByteArray::number(100 + r % 991 * c) + ",25";
    }
    csv += "\r\n";
  }
  return csv;
}

// The lean shape: a header, semicolons, year-first dates, six balls, newest first.
QByteArray LeanResults(int rows) {
  QByteArray csv = "Fecha;Bola 1;Bola 2;Bola 3;Bola 4;Bola 5;Bola 6\r\n";
  for (int r = rows; r > 0; --r) {
    const int day = r * 3;
    csv += QByteArray::number(1900 + day / 336) + '-' + QByteArray::number(1 + (day / 28) % 12) + '-' +
           QByteArray::number(1 + day % 28);
    for (int k = 0; k < 6; ++k) csv += ';' + QByteArray::number(1 + (r * 7 + k * 11) % 45);
    csv += "\r\n";
  }
  return csv;
}

// One import as the command line runs it: read, analyse, write a new history.
bool ImportOnce(const QString& source, const QString& folder) {
  ImportSession session;
  if (!session.Load(source) || session.Analyse({}).HasErrors()) return false;
  return session.Commit({folder, QStringLiteral("Loto"), ImportTarget::Replace, false}).status == ImportStatus::Written;
}

// From the bytes on disk to the checked history written, on 10,000 rows.
void BM_ImportResults(benchmark::State& state) {
  QTemporaryDir folder;
  const QString source = folder.filePath(QStringLiteral("resultados.csv"));
  QFile file(source);
  const int rows = static_cast<int>(state.range(0));
  if (!file.open(QIODevice::WriteOnly) || file.write(state.range(1) ? ExportedResults(rows) : LeanResults(rows)) < 0) {
    state.SkipWithError("cannot write the results file");
    return;
  }
  file.close();
  const QString history = folder.filePath(QStringLiteral("Loto.txt"));
  for (auto _ : state) {
    if (!ImportOnce(source, folder.path())) state.SkipWithError("the import failed");
    state.PauseTiming();
    QFile::remove(history);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * QFileInfo(source).size());
}
// Lean: a date and six balls a row; exported: with a draw number, a jackpot and prizes.
BENCHMARK(BM_ImportResults)->ArgNames({"rows", "exported"})->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

// A file of about 50 MB, imported in a child process so that its peak memory
// is the import's own: reported as a multiple of the file's size.
void BM_ImportLargeFile(benchmark::State& state) {
  QTemporaryDir folder;
  const QString source = folder.filePath(QStringLiteral("resultados.csv"));
  {
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(ExportedResults(static_cast<int>(state.range(0)))) < 0) {
      state.SkipWithError("cannot write the results file");
      return;
    }
  }
  const double megabytes = static_cast<double>(QFileInfo(source).size()) / (1 << 20);
  double peakRatio = 0;
  for (auto _ : state) {
    const pid_t child = fork();
    if (child == 0) _exit(ImportOnce(source, folder.path()) ? 0 : 1);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the import failed");
    peakRatio = static_cast<double>(usage.ru_maxrss) / 1024.0 / megabytes;
  }
  state.counters["fileMB"] = megabytes;
  state.counters["peakPerFileSize"] = peakRatio;
}
BENCHMARK(BM_ImportLargeFile)->ArgName("rows")->Arg(500000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tombolix
