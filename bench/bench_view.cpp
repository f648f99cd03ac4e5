// Drawing reports in the window. These benchmarks need the Qt view: they are
// compiled only into a benchmark program that links the view library
// (QT_WIDGETS_LIB), and compile to nothing in the core-only benchmark program.
#if defined(QT_WIDGETS_LIB)

#include "reports/report_text.h"
#include "ui/qt_platform.h"
#include "ui/report_pane_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace tombolix {
namespace {

// One application for all benchmarks, off screen unless a display is asked for.
void EnsureApplication() {
  static std::unique_ptr<QApplication> application;
  if (application) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tombolix_view_bench";
  static char* argv[] = {name, nullptr};
  application = std::make_unique<QApplication>(argc, argv);
}

// Lets the widgets finish what they put off (a text edit lays a long text out
// in the background) by running the event loop for a while. Compare the CPU
// column: the wall time includes this wait.
void Settle() {
  QEventLoop loop;
  QTimer::singleShot(150, &loop, &QEventLoop::quit);
  loop.exec();
}

constexpr int kLines = 2000;
constexpr Rgb kThirds[3] = {MakeRgb(255, 0, 0), MakeRgb(0, 192, 0), MakeRgb(0, 0, 255)};
constexpr char kMarks[3] = {'%', '$', '#'};

// One draw line: date, three spaces, seven numbers each with its mark; the
// numbers coloured by their mark and the marks painted white (seven coloured
// spans and seven white ones per line).
QString DrawLine(int d) {
  QString line = QStringLiteral("%1/%2/20%3   ")
                     .arg(d % 28 + 1, 2, 10, QLatin1Char('0'))
                     .arg(d % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(d % 30, 2, 10, QLatin1Char('0'));
  for (int k = 0; k < 7; ++k) {
    line += QStringLiteral("%1").arg((d * 7 + k * 13) % 45 + 1, 2, 10, QLatin1Char('0'));
    line += QLatin1Char(kMarks[(d + k) % 3]);
  }
  return line + QStringLiteral("\r\n");
}

void ColourLine(ReportText& report, int lineStart, int d) {
  for (int k = 0; k < 7; ++k) {
    const int at = lineStart + 13 + 3 * k;
    report.SetColour(at, 2, kThirds[(d + k) % 3]);
    report.SetColour(at + 2, 1, kWhite);
  }
}

ReportText ColouredReport() {
  ReportText report;
  for (int d = 0; d < kLines; ++d) {
    const int start = report.Length();
    report.Append(DrawLine(d));
    ColourLine(report, start, d);
  }
  return report;
}

// The whole coloured report (about 14,000 coloured spans) drawn into a shown
// pane at once and painted.
void BM_DrawColouredReport(benchmark::State& state) {
  EnsureApplication();
  const ReportText source = ColouredReport();
  for (auto _ : state) {
    state.PauseTiming();
    ReportText report = source;
    ReportPaneView pane;
    pane.resize(447, 469);
    pane.show();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    pane.Draw(report);
    pane.viewport()->repaint();
    Settle();
  }
}
BENCHMARK(BM_DrawColouredReport)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same text, uncoloured, through QTextEdit::setPlainText: the yardstick.
void BM_TextEditSetPlainText(benchmark::State& state) {
  EnsureApplication();
  QString text = ColouredReport().Text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  for (auto _ : state) {
    state.PauseTiming();
    QTextEdit edit;
    edit.resize(447, 469);
    edit.show();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    edit.setPlainText(text);
    edit.viewport()->repaint();
    Settle();
  }
}
BENCHMARK(BM_TextEditSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(10);

// Counts the times the pane is painted and the longest wait between paints.
class PaintWatch : public QObject {
 public:
  void Start() {
    clock.start();
    lastPaintNs = 0;
    longestGapNs = 0;
    paints = 0;
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && clock.isValid()) {
      const qint64 now = clock.nsecsElapsed();
      longestGapNs = std::max(longestGapNs, now - lastPaintNs);
      lastPaintNs = now;
      ++paints;
    }
    return QObject::eventFilter(watched, event);
  }
  QElapsedTimer clock;
  qint64 lastPaintNs = 0;
  qint64 longestGapNs = 0;
  int paints = 0;
};

// Keeps the processor busy for `us` microseconds: the computation of one line.
void Work(int us) {
  QElapsedTimer clock;
  clock.start();
  while (clock.nsecsElapsed() < us * 1000LL) {
  }
}

// The report growing line by line, coloured as it grows, with a yield after
// each line as the computations do; the window keeps repainting meanwhile.
// range(0): microseconds of computation per line.
void BM_GrowingReportWithYields(benchmark::State& state) {
  EnsureApplication();
  const int workUs = static_cast<int>(state.range(0));
  double longestGapMs = 0;
  double paints = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ReportPaneView pane;
    pane.resize(447, 469);
    pane.show();
    ReportText report;
    QtPlatform platform;
    platform.AttachWindow(&pane, [&pane, &report] { pane.Draw(report); });
    PaintWatch watch;
    pane.viewport()->installEventFilter(&watch);
    QCoreApplication::processEvents();
    watch.Start();
    state.ResumeTiming();
    for (int d = 0; d < kLines; ++d) {
      const int start = report.Length();
      report.Append(DrawLine(d));
      ColourLine(report, start, d);
      if (workUs > 0) Work(workUs);
      platform.ProcessEvents();
    }
    platform.SyncView();
    pane.viewport()->repaint();
    Settle();
    state.PauseTiming();
    longestGapMs = std::max(longestGapMs, static_cast<double>(watch.longestGapNs) / 1e6);
    paints += watch.paints;
    state.ResumeTiming();
  }
  state.counters["longest_gap_ms"] = longestGapMs;
  state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GrowingReportWithYields)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(5);

// A yield between two real ones: what every step of a computation pays.
void BM_YieldInsideTheInterval(benchmark::State& state) {
  EnsureApplication();
  QtPlatform platform;
  platform.ProcessEvents();
  for (auto _ : state) platform.ProcessEvents();
}
BENCHMARK(BM_YieldInsideTheInterval)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace tombolix

#endif  // QT_WIDGETS_LIB
