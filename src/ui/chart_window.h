#pragma once

#include "app/pane_charts.h"

class QWidget;

namespace tombolix {

// A window of bar charts, one tab per chart tab, with "Guardar como PNG…" for
// the tab shown. Closes with the main window; several may be open.
QWidget* OpenChartWindow(QWidget* parent, const PaneChart& chart, const QString& suggestedPngName);

// One tab's chart: bars in their own colours over labelled categories.
QWidget* MakeChartView(const ChartTab& tab, QWidget* parent = nullptr);

}  // namespace tombolix
