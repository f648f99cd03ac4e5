#pragma once

class QWidget;

namespace tombolix {

class TombolixApp;

// "Comparar con el azar…" for a report that names numbers for the next draw
// (panes 7 and 20): replays the last draws behind a progress dialog that can
// be cancelled, then shows the plain sentence and the table of figures. Does
// nothing while the window is busy or the pane holds no report.
void ShowForecastChance(QWidget* parent, TombolixApp& app, int pane);

}  // namespace tombolix
