#pragma once

#include "analyses/analysis_arrays.h"
#include "analyses/replay_map.h"
#include "history/history.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QChar>

#include <vector>

namespace tombolix {

// Class of number x in one position's law-of-the-third array (group codes each
// followed by the values of their class, then the spare, which is not read):
// the mark of the group x is listed under ("%", "$" or "#"), "&" when x is not
// listed, QChar() when the array holds nothing but the spare.
QChar ThirdLawMark(const std::vector<quint8>& groups, quint8 x);

// "Mapa Ley del Tercio", map M1: replays the last `analysisWindow` draws; before
// each draw it rebuilds the law-of-the-third arrays (arrays.ThirdLawArrays) from
// the draws known then and marks every number of the next draw by its class.
// Rows are kept oldest first in arrays.ThirdLawMapRows for map M2 and written
// newest on top. Sets arrays.ReplayStart; progress and the stop check once per
// replayed draw. The caller restores the selectors and sounds the beep.
AnalysisOutcome ThirdLawMapM1(const History& history, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                              StepHooks& hooks);

// Map M2: groups the rows of map M1 (newest first) that share the class of more
// than half of the positions ("&" never matches), and consumes them.
void ThirdLawMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
