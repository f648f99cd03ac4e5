#pragma once

#include "analyses/analysis_arrays.h"
#include "analyses/replay_map.h"
#include "analyses/report_lines.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// "Frecuencia": for each position, "B<k>" and one line per candidate of its
// selector list, in list order, with its rank class and the number of times it
// came out at that position in the last 100 draws ("07% -->  14"); positions are
// separated by an empty line. One step per position.
void ComputeFrequency(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks);

// The value lines of position k of that report: candidate, rank class, count.
std::vector<ValueLine> FrequencyLines(const HistoryView& view, const SelectorLists& lists, int k);

// Collect mode: copies the selector lists of positions 1..positionCount into
// `ranking` in rank order, each followed by the spare element; the other
// positions hold the spare only.
void ComputeFrequencyCollect(const SelectorLists& lists, int positionCount, PositionByteArrays& ranking);

// "Mapa de la Frecuencia", map M1: replays the last `analysisWindow` draws and
// marks each number of the next draw by its rank class among the candidates of
// the draws known then ("&" when it is not a candidate). Keeps the rows in
// arrays.FrequencyMapRows for map M2.
AnalysisOutcome FrequencyMapM1(const History& history, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                               StepHooks& hooks);

// "Mapa de la Frecuencia", map M2: groups the rows of map M1 (newest first) that
// share the class of more than half of the positions ("&" never matches) and
// consumes them.
void FrequencyMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
