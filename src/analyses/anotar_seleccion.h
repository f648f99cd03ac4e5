#pragma once

#include "analyses/search_selection.h"
#include "analyses/source_panes.h"
#include "history/history.h"
#include "reports/report_text.h"

namespace tombolix {

// The verdict block of a similar-draw search into `pane` (0: selection mode,
// 19: last-draw mode): for each position 1..PositionCount holding a number N,
// "N" with its highlight from the AI summary (pane 20; "¡" without one),
// " -->  " and the codes FR, LT, CA, PC, CO, RE*, PA_ and PR= read from panes 2,
// 4, 6, 7, 8 and 20 ("--?" for each one a source does not give), then a line
// break; then two more line breaks. RE* compares with the newest draw in
// selection mode and with the draw before it in last-draw mode.
void AnotarSeleccion(quint8 pane, const SearchSelection& selection, const HistoryView& view, const PaneTexts& panes,
                     ReportText& report);

}  // namespace tombolix
