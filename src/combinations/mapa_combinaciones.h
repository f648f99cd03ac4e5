#pragma once

#include "analyses/analysis_arrays.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QStringList>

namespace tombolix {

// True when the list holds the result of a back-test that hit: some line is not empty.
bool HoldsSavedList(const QStringList& LineasCombLimpias);

// Map M2 of the combination pair: rebuilds the forecast arrays (the silent
// forecast by cycle), then appends one line per combination of the saved list:
// its 13-character prefix and its numbers, each followed by "?" when it is a
// due value of the most frequent third of its position ("%" forecast elements
// only, scanned in list order up to the first other class) and by a space
// otherwise; an empty line goes before a combination whose first number differs
// from the previous one's. Ends with a line break. Without a saved list it
// appends nothing at all. hooks.Step() and hooks.Progress(i * 100 / count,
// i == count) once per combination; no stop check.
void MapaCombinaciones(const HistoryView& view, const SelectorLists& lists, const QStringList& LineasCombLimpias,
                       PositionTextArrays& forecast, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
