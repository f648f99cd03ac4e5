#pragma once

#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"
#include "history/history.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QStringList>

namespace tombolix {

// What the back-test counted.
struct BackTestResult {
  int successTotal = 0;  // (draw, combination) pairs with at least the threshold of hits
  int hitDraws = 0;      // tested draws with at least one such combination
};

// Progress shown while draw DrawCount - n is tested: a new list has used 90 %
// on its generation and shows 90 + n / 10 (halves to even); a loaded list shows n.
int BackTestPercent(int n, bool newList);

// The back-test of the list against the newest 100 draws (fewer when the
// history is shorter), newest first. For each draw it appends the draw line
// (each number followed by "&") and then, in list order, the line of every
// combination that hits it: numbers that hit marked "-", or all "+" when a
// lottery of six or seven positions is hit by one number less than all, or
// all "$" when it is hit by as many numbers as it has; its list mark "%"
// becomes "#". Those lines are written back into LineasComb. A pooled number
// of the draw counts against every pooled position of the combination, so one
// number can count more than once.
//
// Calls hooks.Step() and hooks.Progress(BackTestPercent(n, newList), false)
// once per tested draw, and returns Stopped at once when hooks.StopRequested()
// is found set there. It does not step once per tested combination: the window's
// step reads the clock, and 100,000 clock readings would take several times the
// whole back-test; the 1000 comparisons of one draw take a few microseconds.
AnalysisOutcome BackTestList(const HistoryView& view, const CombPositions& CombPos, QStringList& LineasComb,
                             const SelectorTags& tags, bool newList, ReportText& report, BackTestResult& result,
                             StepHooks& hooks);

// The same count without any text, hooks or line rewriting: what the chance
// baseline runs on its random lists.
BackTestResult CountHits(const HitTable& table, const CombPositions& CombPos, int count);
// Successes of the first `count` combinations against each lane of `table`.
std::array<int, kLanes> SuccessesPerDraw(const HitTable& table, const CombPositions& CombPos, int count);

}  // namespace tombolix
