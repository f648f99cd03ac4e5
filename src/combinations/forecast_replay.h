#pragma once

#include "combinations/forecast_chance.h"
#include "history/history.h"
#include "history/selector_population.h"

#include <functional>
#include <optional>

namespace tombolix {

// What a forecast names for the draw after the draws `known`, per position,
// given the selector lists of those draws.
using NameNumbers = std::function<SelectorLists(const HistoryView& known, const SelectorLists& lists)>;
// Progress of a replay, percent done; returning false stops it.
using ReplayProgress = std::function<bool(int percent)>;

// The three rows of a forecast's comparison with chance.
struct ForecastReplay {
  ForecastChance forecast;  // the forecast's own numbers
  // The rule with no skill: the first values of each position's selector list
  // (the most frequent), at least one and as many as the forecast names there.
  ForecastChance naive;
  // As many candidates of the selector list as the forecast names, at random:
  // its expectation and band (its hits stay 0: it is not played).
  ForecastChance picker;
  bool fewDraws = false;  // some draw's chance rests on fewer than PositionLaw::kMinDraws draws
};

// Replays the last `steps` draws of `history` (never its first draw): before
// each, `name` gives the numbers from the draws known then, and they are held
// against the number drawn at each position, with chance from PositionLaw.
// Nothing when `progress` stops it.
std::optional<ForecastReplay> ReplayForecasts(const History& history, int steps, const NameNumbers& name,
                                              const ReplayProgress& progress);

}  // namespace tombolix
