#pragma once

#include "analyses/replay_map.h"
#include "analyses/source_panes.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// The AI summary (pane 20): reads back the texts of panes 2 (frequency), 4 (law
// of the third), 6 (cycle), 7 (forecast), 8 (consecutive numbers), 10 (even-odd
// map) and 16 (prime map) and writes, for every line of the frequency report,
// the label or empty line as it stands or the value's summary line
// ("07¡ -->  FR%LT% CA$PC# CO&--?PA(--?"), "¡" turned into "%" when the value
// agrees with the parity or primality predicted for its position. RE/ compares
// with positions 1..PositionCount of the newest draw of `view`. Calls
// hooks.Step() once per frequency line and returns Stopped at once when a stop
// was requested.
AnalysisOutcome AnalisisIA(const PaneTexts& panes, const HistoryView& view, ReportText& report, StepHooks& hooks);

// The summary's highlighting as data, decided by the same rule AnalisisIA
// applies: per position 1..7, the values that have a summary line (in line
// order) and those of them it highlights.
struct SummaryHighlights {
  SelectorLists values;
  SelectorLists highlighted;
};
SummaryHighlights AnalisisIAHighlights(const PaneTexts& panes, const HistoryView& view);

}  // namespace tombolix
