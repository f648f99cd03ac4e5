#pragma once

#include "analyses/analysis_arrays.h"
#include "analyses/replay_map.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <array>

namespace tombolix {

// Whether "Historial de Aciertos" takes its replay form: true when the rarity
// filter dropped a number from the list of some position 1..positionCount (its
// candidate count differs from fullListCount). Selectors beyond the lottery's
// positions keep stale lists and never decide it.
bool WinningHistoryNeedsReplay(const SelectorLists& lists, const std::array<quint8, kMaxPositions + 1>& fullListCount,
                               int positionCount);

// "Historial de Aciertos", plain form: the last `analysisWindow` draws of
// `view`, newest first, one draw line each, every number marked "+" when it is
// a candidate of its position's list and "&" otherwise; then one line break.
// One step per draw (no progress display); returns Stopped at once when a stop
// was requested.
AnalysisOutcome WinningHistory(const HistoryView& view, const SelectorLists& lists, int analysisWindow,
                               ReportText& report, StepHooks& hooks);

// Replay form: replays the last `analysisWindow` draws like the frequency map
// M1, marking each draw against the candidate lists rebuilt from the draws
// known before it; newest line on top, then one line break. Sets
// arrays.ReplayStart; progress and the stop check once per replayed draw. The
// caller restores the selectors afterwards and sounds the beep.
AnalysisOutcome WinningHistoryReplay(const History& history, int analysisWindow, AnalysisArrays& arrays,
                                     ReportText& report, StepHooks& hooks);

}  // namespace tombolix
