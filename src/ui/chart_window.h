#pragma once

#include "app/pane_charts.h"

class QWidget;

namespace tombolix {

// A window of bar charts, one tab per chart tab, with "Guardar como PNG…" for
// the tab shown. Closes with the main window; several may be open.
// The window is titled with the chart's title, which each tab's chart (and so
// its saved PNG) shows too.
QWidget* OpenChartWindow(QWidget* parent, const PaneChart& chart, const QString& suggestedPngName);

// Closes the chart windows of `parent` drawn from a history other than
// `historyGeneration`: after a reload or a change of lottery they would show
// old data under the new lottery.
void CloseStaleChartWindows(QWidget* parent, int historyGeneration);

// One tab's chart: bars in their own colours over labelled categories.
QWidget* MakeChartView(const ChartTab& tab, QWidget* parent = nullptr);

}  // namespace tombolix
