#include "app/pane_table.h"
#include "reports/colour_marks.h"
#include "reports/panes.h"
#include "reports/report_export.h"

#include <benchmark/benchmark.h>

namespace tombolix {
namespace {

// A draw-line report of `lines` lines as the repeated-numbers pane writes it:
// a date holding "-", three spaces, seven numbers each followed by "&", "+" or "-".
ReportText DrawLineReport(int lines) {
  static const char kMarks[] = {'&', '&', '+', '&', '-', '&', '+'};
  QString text;
  text.reserve(static_cast<qsizetype>(lines) * 36);
  for (int d = 0; d < lines; ++d) {
    text += QStringLiteral("20%1-%2-%3   ")
                .arg(d % 100, 2, 10, QLatin1Char('0'))
                .arg(d % 12 + 1, 2, 10, QLatin1Char('0'))
                .arg(d % 28 + 1, 2, 10, QLatin1Char('0'));
    for (int k = 0; k < 7; ++k) {
      text += QStringLiteral("%1").arg((d * 7 + k * 13) % 100, 2, 10, QLatin1Char('0'));
      text += QLatin1Char(kMarks[(d + k) % 7]);
    }
    text += QLatin1String("\r\n");
  }
  return ReportText(text);
}

// One ColourMarks pass ("&": three marks in seven) over range(0) lines.
void BM_ColourMarksPass(benchmark::State& state) {
  ReportText report = DrawLineReport(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ColourMarks(report, QLatin1Char('&'), MakeRgb(128, 128, 128), false, NoHooks());
    benchmark::DoNotOptimize(report.Caret());
  }
  state.SetItemsProcessed(state.iterations() * report.Length());
}
BENCHMARK(BM_ColourMarksPass)->Arg(300)->Arg(3000)->Arg(30000)->Unit(benchmark::kMicrosecond);

// The three passes of the repeated-numbers pane.
void BM_ColourPaneRepeated(benchmark::State& state) {
  ReportText report = DrawLineReport(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ColourPasses(report, PaneInfo(Pane::Repetidos).colouring, 7, NoHooks());
    benchmark::DoNotOptimize(report.Caret());
  }
}
BENCHMARK(BM_ColourPaneRepeated)->Arg(3000)->Unit(benchmark::kMicrosecond);

// The label pass when the labels are missing: seven searches to the end.
void BM_ColourLabelsMissing(benchmark::State& state) {
  ReportText report = DrawLineReport(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ColourLabels(report, 7, NoHooks());
    benchmark::DoNotOptimize(report.Caret());
  }
}
BENCHMARK(BM_ColourLabelsMissing)->Arg(3000)->Unit(benchmark::kMicrosecond);

// The four export formats of a coloured 3,000-line report.
void BM_Export(benchmark::State& state) {
  ReportText report = DrawLineReport(3000);
  ColourPasses(report, PaneInfo(Pane::Repetidos).colouring, 7, NoHooks());
  const auto format = static_cast<ExportFormat>(state.range(0));
  for (auto _ : state) {
    const QString out = ExportReport(report, Pane::Repetidos, format, QStringLiteral("bench"));
    benchmark::DoNotOptimize(out.size());
  }
}
BENCHMARK(BM_Export)
    ->Arg(static_cast<int>(ExportFormat::Raw))
    ->Arg(static_cast<int>(ExportFormat::Ansi))
    ->Arg(static_cast<int>(ExportFormat::Html))
    ->Arg(static_cast<int>(ExportFormat::Json))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tombolix
