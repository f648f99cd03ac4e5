#pragma once

#include "app/chance_texts.h"
#include "combinations/forecast_chance_report.h"
#include "combinations/forecast_replay.h"

#include <optional>

namespace tombolix {

struct WindowModel;

// The draws the analysis window replays: the only count that gets a verdict.
int ForecastWindowDraws(const WindowModel& model);

// Replays the last `draws` draws (0 or less: the analysis window; never
// more than it, nor the first draw): before each, the pane's numbers are
// computed from the draws known then by the pane's own analyses, on data,
// and weighed against each position's own law of chance, beside the rule
// that names the most frequent candidates. Nothing while busy, for a pane
// without a forecast, while the pane holds no report, or once `progress`
// stops it. Changes nothing in the window.
std::optional<ForecastComparison> CompareForecastWithChance(const WindowModel& model, int pane, int draws,
                                                            const ReplayProgress& progress);
// The same as the window shows it: the plain sentence and the table of figures.
std::optional<ChanceTexts> CompareForecastWithChanceTexts(const WindowModel& model, int pane,
                                                          const ReplayProgress& progress);

}  // namespace tombolix
