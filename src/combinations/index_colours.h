#pragma once

#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// Colours of the list index of a combination line, by its list mark.
inline constexpr Rgb kHitIndexColour = MakeRgb(255, 128, 128);    // "#": hit a tested draw
inline constexpr Rgb kUnhitIndexColour = MakeRgb(128, 128, 255);  // "%": never hit

// The index colouring of the back-test report: every "#" is painted white and
// the eight characters before it (two spaces and the six-digit index) take
// kHitIndexColour. Its own loop rather than ColourMarks, whose date-field rule
// would skip a mark at character 9 of a combination line. hooks.Step() once per
// mark, then the stop check: Stopped leaves the report partly coloured.
AnalysisOutcome ColourHitIndexes(ReportText& report, StepHooks& hooks);

// The index colouring of the list against the forecast: first every "%"
// (kUnhitIndexColour), then every "#" (kHitIndexColour). It runs to its end:
// hooks.Step() once per mark, no stop check.
void ColourMapIndexes(ReportText& report, StepHooks& hooks);

}  // namespace tombolix
