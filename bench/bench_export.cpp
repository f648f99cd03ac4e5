// Printing and charts: a PDF of a long report and opening a chart window,
// as the context menu of a report pane does them. They need the Qt view.
#if defined(QT_WIDGETS_LIB)

#include "app/pane_charts.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "bench_histories.h"
#include "report_platform.h"
#include "ui/chart_window.h"
#include "ui/report_export_actions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// A 2,000-line report coloured as the frequency report is: each number and
// its hidden mark.
ReportText LongReport() {
  ReportText report;
  QString text;
  for (int i = 0; i < 2000; ++i) text += QStringLiteral("%1% -->  %2\r\n").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i);
  report.SetText(text);
  for (int line = 0, at = 0; line < 2000; ++line, at = static_cast<int>(text.indexOf(u'\n', at)) + 1) {
    report.SetColour(at, 2, MakeRgb(255 * (line % 3 == 0), 192 * (line % 3 == 1), 255 * (line % 3 == 2)));
    report.SetColour(at + 2, 1, kWhite);
  }
  return report;
}

void BM_ReportPdf2000Lines(benchmark::State& state) {
  const ReportText report = LongReport();
  for (auto _ : state) benchmark::DoNotOptimize(ReportPdf(report, QStringLiteral("Tombolix - Frecuencia")).size());
}
BENCHMARK(BM_ReportPdf2000Lines)->Unit(benchmark::kMillisecond);

// From the menu entry to the chart window drawn: the chart's data from the
// app, the window built, shown and painted once. 10,000 draws of 7 positions;
// the back-test's chart after COMBINACIONES on the 6-of-45 sample.
void BM_OpenChart(benchmark::State& state) {
  const int pane = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  QString path = bench::WriteHistoryFile(folder.path(), 10000, 7);
  if (path.isEmpty()) return;
  if (pane == Pane::GeneradorM1) path = QStringLiteral(TOMBOLIX_SOURCE_DIR "/data/Historiales/Loto Ejemplo 6-45.txt");
  QString errors;
  QTextStream err(&errors);
  ReportPlatform host(err);
  TombolixApp app(host, folder.path());
  app.SetSoundEnabled(false);
  app.LoadForReport(path);
  if (pane == Pane::GeneradorM1) {
    app.Lists().SetHandOver({QString(), false});
    app.RunCommand(Command::Combinaciones);
  } else {
    app.LstFormula_Click(PaneInfo(pane).listRow);
  }
  quint32 seed = 1;
  for (auto _ : state) {
    const std::optional<PaneChart> chart = ChartOfPane(app, pane, kChartRandomLists, seed++);
    if (!chart) {
      state.SkipWithError("no chart");
      break;
    }
    QWidget* window = OpenChartWindow(nullptr, *chart, QStringLiteral("chart.png"));
    window->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    delete window;
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenChart)
    ->ArgName("pane")
    ->Arg(Pane::Frecuencia)
    ->Arg(Pane::CicloAparicion)
    ->Arg(Pane::GeneradorM1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tombolix

#endif  // QT_WIDGETS_LIB
