#pragma once

#include "analyses/replay_map.h"
#include "analyses/search_selection.h"
#include "analyses/source_panes.h"
#include "history/history.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// The counters of one draw compared with a search's combination.
struct DrawResemblance {
  int exact = 0;                                 // chosen numbers found at their own position
  int elsewhere = 0;                             // distinct chosen numbers found at another position
  int free = 0;                                  // unselected positions
  bool missing = false;                          // some chosen number came out nowhere
  std::array<QChar, kMaxPositions + 1> marks{};  // "{", "}", "]", "[" per position
};

// Compares draw d, positions 1..PositionCount only, with the combination.
DrawResemblance CompareDraw(const HistoryView& view, int d, const SearchSelection& selection);

// The draw line of draw d for the result list, its marks turned into ";" (every
// chosen number at its own position) or ":" (every one found somewhere).
QString ResemblingDrawLine(const HistoryView& view, int d, const DrawResemblance& r);

// The similar-draw search into `pane`: 0 searches the combination of the
// selector texts (selection mode), 19 the newest draw (last-draw mode; the
// texts are not read). Writes the verdict block (AnotarSeleccion), every draw
// from the newest to the oldest that resembles the combination, and the line
// with the number found. Once per draw it calls hooks.Step(), returns Stopped
// at once when a stop was requested, and shows progress 95 - d * 95 / DrawCount.
// `panes` are the texts of the source panes (2, 4, 6, 7, 8 and 20).
AnalysisOutcome BuscarParecidos(quint8 pane, const HistoryView& view, const SelectorTexts& selectorTexts,
                                const PaneTexts& panes, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
