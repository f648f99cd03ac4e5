#pragma once

#include "analyses/analysis_arrays.h"
#include "reports/step_hooks.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"

namespace tombolix {

// Group codes of the law-of-the-third arrays.
inline constexpr quint8 kThirdLawCodeUpper = 102;   // values drawn two or more times ("%")
inline constexpr quint8 kThirdLawCodeMiddle = 101;  // values drawn once ("$")
inline constexpr quint8 kThirdLawCodeLower = 100;   // values not drawn ("#")

// "Ley del Tercio": for each position p, over its window of the last L draws (L
// = the length of its selector list, cut at draw 1), the hits of every
// candidate, classed "#" (none), "$" (one) or "%" (more). Each position writes
// "B<p>", then its values ordered as their result texts ("<hits> <value>...")
// sort, read from the last to the first ("07% -->  3"), then an empty line. One
// step per position.
void LeyDelTercio(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks);

// Silent mode: rebuilds the law-of-the-third arrays of positions 1..7 from the
// same ordering: a group code whenever the class changes, then the value.
void LeyDelTercioSilent(const HistoryView& view, const SelectorLists& lists, PositionByteArrays& arrays);

}  // namespace tombolix
