#pragma once

#include "analyses/report_lines.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <array>

namespace tombolix {

// Counters of one value at one position over the last 100 draws, read newest first.
struct CycleCounts {
  int appearances = 0;  // A: draws of the window in which the value came out
  int gapSum = 0;       // S: the draws without it between appearances, the present absence included
  int absence = 0;      // C: draws since it last came out (the whole window when it never did)

  // S / A rounded to the nearest integer, halves to the even one (0 when A is 0).
  int AverageCycle() const;
};

// The counters of every value 0..255 at position p, each starting from zero.
std::array<CycleCounts, 256> ScanCycles(const HistoryView& view, int p);

// "Ciclo de Aparición": for each position, "B<p>" and, for every candidate of
// its selector list that came out in the last 100 draws, a line with its rank
// class and average cycle ("07% -->  5"); positions are separated by an empty
// line. One step per position.
void CicloAparicion(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks);

// The value lines of position p of that report: candidate, rank class, average cycle.
std::vector<ValueLine> CycleLines(const HistoryView& view, const SelectorLists& lists, int p);

}  // namespace tombolix
