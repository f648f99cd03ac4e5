#pragma once

#include "reports/step_hooks.h"
#include "reports/report_text.h"

#include <QChar>

#include <vector>

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
// The passes of `pane` in the order they run; empty for a pane without marks.
std::vector<MarkPass> PanePasses(int pane);
// Whether the items of `mark` are made bold in `pane`.
bool PassIsBold(int pane, QChar mark);

// Runs the colouring passes of `pane` in their order (the table of marks and
// colours per pane), with the pane's bold rule.
void ColourPane(ReportText& report, int pane, int positionCount, StepHooks& hooks);

}  // namespace tombolix
