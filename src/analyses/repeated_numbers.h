#pragma once

#include "reports/step_hooks.h"
#include "history/history.h"
#include "reports/report_text.h"

namespace tombolix {

// "Números Repetidos": the last 100 draws, newest first, one draw line each. A
// number that also came out, at any position, in the draw just before or just
// after is marked "+"; a number equal to the number of a neighbouring position
// of its own draw is marked "-" (over "+"); any other "&". Ends with an empty
// line. One step per draw.
void RepeatedNumbers(const HistoryView& view, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
