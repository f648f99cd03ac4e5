#include "combinations/index_colours.h"

namespace tombolix {

namespace {

inline constexpr int kIndexWidth = 8;

AnalysisOutcome ColourIndexes(ReportText& report, QChar mark, Rgb colour, bool stoppable, StepHooks& hooks) {
  const QString& text = report.Text();  // restyling leaves the text as it is
  for (qsizetype p = text.indexOf(mark); p >= 0; p = text.indexOf(mark, p + 1)) {
    hooks.Step();
    if (stoppable && hooks.StopRequested()) return AnalysisOutcome::Stopped;
    const int at = static_cast<int>(p);
    report.SetColour(at, 1, kWhite);
    report.SetColour(at - kIndexWidth, kIndexWidth, colour);
  }
  return AnalysisOutcome::Done;
}

}  // namespace

AnalysisOutcome ColourHitIndexes(ReportText& report, StepHooks& hooks) {
  return ColourIndexes(report, u'#', kHitIndexColour, true, hooks);
}

void ColourMapIndexes(ReportText& report, StepHooks& hooks) {
  ColourIndexes(report, u'%', kUnhitIndexColour, false, hooks);
  ColourIndexes(report, u'#', kHitIndexColour, false, hooks);
}

}  // namespace tombolix
