#pragma once

#include "reports/report_text.h"

#include <QString>

#include <optional>
#include <vector>

namespace tombolix {

class TombolixApp;

// A chart of a report, as data the view draws: one tab per position (or per
// kind of random list), each a row of labelled bars.
struct ChartBar {
  QString label;
  int height = 0;
  Rgb colour = kDefaultTextColour;
};

struct ChartTab {
  QString name;
  QString xTitle;
  QString yTitle;
  QString note;  // a line under the chart; may be empty
  std::vector<ChartBar> bars;
  int markedBar = -1;  // a bar to point out with a line (the back-test's own list), -1 none
};

struct PaneChart {
  QString title;              // names the report, the lottery and its last draw
  int historyGeneration = 0;  // the history it was drawn from

  std::vector<ChartTab> tabs;
};

// Random lists behind the back-test's comparison with chance, and behind its
// chart: half as many there, so the chart opens at once and still shows the
// shape of chance.
inline constexpr int kChanceRandomLists = 1000;
inline constexpr int kChartRandomLists = 500;

// The chart of a pane that holds its report, from the same computations the
// report was written from (the back-test's from `randomLists` random lists
// drawn with `seed`); nothing while busy, for a pane without a chart or report.
std::optional<PaneChart> ChartOfPane(const TombolixApp& app, int pane, int randomLists, quint32 seed);

}  // namespace tombolix
