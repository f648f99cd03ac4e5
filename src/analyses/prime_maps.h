#pragma once

#include "analyses/analysis_arrays.h"
#include "reports/step_hooks.h"
#include "history/history.h"
#include "reports/report_text.h"

namespace tombolix {

// "Números Primos-Compuestos", map M1: the last `analysisWindow` draws, newest
// first, each number marked by its prime class ("&" for 0 and 1, "+" prime,
// "-" composite); the lines are kept in arrays.PrimeLines for map M2.
void MapaPrimos(const HistoryView& view, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                StepHooks& hooks);

// Map M2: groups the lines of map M1 whose classes agree at more than half of
// the positions ("&" counts like any class), and consumes them.
void GruposPrimos(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
