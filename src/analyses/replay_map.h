#pragma once

#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QChar>
#include <QStringList>

namespace tombolix {

// The classes a replay map gives the numbers of the next draw, rebuilt before
// every replayed draw from the draws known at that point.
class ReplayClassifier {
 public:
  virtual ~ReplayClassifier() = default;
  // Called with the first n draws and the selector lists made from them.
  virtual void Prepare(const HistoryView& known, const SelectorLists& lists) = 0;
  // Mark of number x drawn at position k; QChar() leaves the position out of the row.
  virtual QChar Mark(int k, quint8 x) const = 0;
};

// Replays the last `analysisWindow` draws of `history`: for n = DrawCount -
// analysisWindow .. DrawCount - 1 it rebuilds the selector lists from the first
// n draws, prepares the classifier and writes the row of draw n + 1 (its date
// and each number with its mark). Rows are kept oldest first in `rows` (which
// starts afresh) and written newest on top of `report`, followed at the end by
// one line break. Once per step it calls hooks.Step(), returns Stopped when a
// stop was requested, and reports progress. Never changes the history; the
// caller restores the selectors of the whole history afterwards.
AnalysisOutcome ReplayMap(const History& history, int analysisWindow, ReplayClassifier& classifier, QStringList& rows,
                          int& replayStart, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
