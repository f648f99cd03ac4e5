#pragma once

#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QChar>

#include <span>

namespace tombolix {

// ColourMarks for an ordinary mark: every `mark` that stands behind a
// two-character item is painted white and the two characters before it take
// `colour` (bold when `bold`). One forward scan. A mark in the date field of a
// draw line (first 10 characters of a line whose characters 11-13 are spaces)
// or with fewer than two characters before it is not a mark. Calls
// hooks.Step() once per mark and ends early when hooks.StopRequested().
// Leaves the caret at the start.
void ColourMarks(ReportText& report, QChar mark, Rgb colour, bool bold, StepHooks& hooks);

// ColourMarks for the "B" labels: "B1".."B<positionCount>" searched in order,
// each from the previous label on, painted (128, 128, 128); a missing label is skipped.
void ColourLabels(ReportText& report, int positionCount, StepHooks& hooks);

// One colouring pass of a pane: its mark and the colour the mark gives. The
// pass of mark 'B' colours the position labels (ColourLabels).
struct MarkPass {
  QChar mark;
  Rgb colour;
};

// Which items a pane's passes make bold.
enum class BoldRule {
  None,
  All,       // every coloured item
  PlusMark,  // the items of the "+" pass only
};

// How a pane is coloured: its passes in the order they run, its bold rule,
// and, for the panes that show it, the progress the passes report: the
// passes are split into equal groups and group g shows progressFrom + g
// percent (the last group shows 100 %). -1: the passes show no progress.
struct PaneColouring {
  std::span<const MarkPass> passes;
  BoldRule bold = BoldRule::None;
  int progressFrom = -1;
};

// Runs the passes in their order. Stopped when the stop request was found set
// at any pass, the report then being partly coloured: the caller drops it.
AnalysisOutcome ColourPasses(ReportText& report, const PaneColouring& colouring, int positionCount, StepHooks& hooks);

}  // namespace tombolix
