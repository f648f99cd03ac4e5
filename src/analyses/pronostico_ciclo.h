#pragma once

#include "analyses/analysis_arrays.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// "Pronóstico por Ciclo", map M1: for each position, "B<p>" and, for every
// candidate of its selector list that is due (came out more than once in the
// last 100 draws and has been absent for at least its average cycle), a line
// with its rank class and average cycle ("07% -->  6"); positions are separated
// by an empty line. One step per position.
void PronosticoCiclo(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks);

// Silent mode: rebuilds the forecast arrays of positions 1..7, each due value as
// "07%" in list order, then the spare element.
void PronosticoCicloSilent(const HistoryView& view, const SelectorLists& lists, PositionTextArrays& forecast);

// The due values of positions 1..PositionCount as numbers, in list order: the
// values map M1 names, for code that weighs the forecast rather than shows it.
SelectorLists DueNumbers(const HistoryView& view, const SelectorLists& lists);

// Map M2: runs the silent mode, then writes the last `analysisWindow` draws,
// newest first, each number marked by the class of its forecast element ("&"
// when it is not forecast). Ends with an empty line. One step per draw.
void MapaPronosticoCiclo(const HistoryView& view, const SelectorLists& lists, int analysisWindow,
                         PositionTextArrays& forecast, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
