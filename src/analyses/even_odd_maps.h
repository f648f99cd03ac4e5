#pragma once

#include "analyses/analysis_arrays.h"
#include "reports/step_hooks.h"
#include "history/history.h"
#include "reports/report_text.h"

#include <QChar>

namespace tombolix {

// "+" for an even number (0 included), "-" for an odd one.
QChar ParityClass(quint8 x);

// "Números Pares-Impares", map M1: the last `analysisWindow` draws, newest
// first, each number marked by its parity; the rows are kept in
// arrays.EvenOddMapRows for map M2.
void EvenOddMapM1(const HistoryView& view, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                  StepHooks& hooks);

// Map M2: groups the rows of map M1 whose parity pattern agrees at more than
// half of the positions, and consumes them.
void EvenOddMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
