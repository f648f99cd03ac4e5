#pragma once

#include "reports/step_hooks.h"
#include "history/history.h"
#include "reports/report_text.h"

namespace tombolix {

// "Números Consecutivos": the last 100 draws, newest first, one draw line each;
// a number that differs by exactly 1 from the number of a neighbouring position
// of its draw is marked "+", any other "&". Ends with an empty line. One step per draw.
void ConsecutiveNumbers(const HistoryView& view, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
