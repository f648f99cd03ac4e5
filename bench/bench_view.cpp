// Drawing reports in the window. These benchmarks need the Qt view: they are
// compiled only into a benchmark program that links the view library
// (QT_WIDGETS_LIB), and compile to nothing in the core-only benchmark program.
#if defined(QT_WIDGETS_LIB)

#include "reports/report_text.h"
#include "ui/qt_platform.h"
#include "ui/report_pane_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace tombolix {
namespace {

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

// Drawing the 2,000-line report into a shown pane, painted, with whatever the
// widget puts off: how the drawing benchmarks below are measured, so that their
// CPU times compare. The QApplication lives in bench_main.cpp.
// With `scrollThrough`, the drawn report is then paged through to its end,
// each page painted, as a reader scrolling down the whole report sees it.
template <typename Widget, typename DrawFn>
void MeasureDrawing(benchmark::State& state, DrawFn draw, bool scrollThrough = false) {
  for (auto _ : state) {
    state.PauseTiming();
    Widget widget;
    widget.resize(447, 469);
    widget.show();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    draw(widget);
    widget.viewport()->repaint();
    QScrollBar* bar = widget.verticalScrollBar();
    while (scrollThrough && bar->value() < bar->maximum()) {
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      widget.viewport()->repaint();
    }
    Settle();
  }
}

// The report's text as plain paragraphs (CR LF as LF): what the yardsticks draw.
QString PlainText() {
  QString text = ColouredReport().Text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// The whole coloured report (about 14,000 coloured spans) drawn into the pane.
void BM_DrawColouredReport(benchmark::State& state) {
  // A fresh pane draws the whole report whatever the report's drawn mark says.
  ReportText report = ColouredReport();
  MeasureDrawing<ReportPaneView>(state, [&report](ReportPaneView& pane) { pane.Draw(report); });
}
BENCHMARK(BM_DrawColouredReport)->Unit(benchmark::kMillisecond)->Iterations(10);

// The yardstick: the same text, uncoloured, through QPlainTextEdit::setPlainText
// of the same widget (the pane is a QPlainTextEdit with its own font and
// palette). The ratio of BM_DrawColouredReport to this is what colouring costs.
void BM_PaneSetPlainText(benchmark::State& state) {
  const QString text = PlainText();
  MeasureDrawing<ReportPaneView>(state, [&text](ReportPaneView& pane) { pane.setPlainText(text); });
}
BENCHMARK(BM_PaneSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(10);

// The coloured report and its plain yardstick, each drawn and then paged
// through to the end: paragraphs take their formats as they come into view, so
// this is where the colouring put off by the draw is paid.
void BM_DrawColouredReportAndScroll(benchmark::State& state) {
  ReportText report = ColouredReport();
  MeasureDrawing<ReportPaneView>(
      state, [&report](ReportPaneView& pane) { pane.Draw(report); }, true);
}
BENCHMARK(BM_DrawColouredReportAndScroll)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_PaneSetPlainTextAndScroll(benchmark::State& state) {
  const QString text = PlainText();
  MeasureDrawing<ReportPaneView>(
      state, [&text](ReportPaneView& pane) { pane.setPlainText(text); }, true);
}
BENCHMARK(BM_PaneSetPlainTextAndScroll)->Unit(benchmark::kMillisecond)->Iterations(10);

// The old yardstick, kept for comparison: QTextEdit lays the whole document
// out, while QPlainTextEdit lays out what is visible, so it flatters the pane.
void BM_TextEditSetPlainText(benchmark::State& state) {
  const QString text = PlainText();
  MeasureDrawing<QTextEdit>(state, [&text](QTextEdit& edit) { edit.setPlainText(text); });
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
  QtPlatform platform;
  platform.ProcessEvents();
  for (auto _ : state) platform.ProcessEvents();
}
BENCHMARK(BM_YieldInsideTheInterval)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace tombolix

#endif  // QT_WIDGETS_LIB
