#include "combinations/forecast_replay.h"

#include "combinations/position_law.h"

#include <algorithm>

namespace tombolix {

namespace {

// The distinct values of `values`, in their order.
std::vector<quint8> Distinct(const std::vector<quint8>& values) {
  std::vector<quint8> out;
  std::array<bool, 256> seen{};
  for (const quint8 v : values) {
    if (!seen[v]) out.push_back(v);
    seen[v] = true;
  }
  return out;
}

double ShareOf(const PositionLaw& law, int k, const std::vector<quint8>& values) {
  double sum = 0;
  for (const quint8 v : values) sum += law.Share(k, v);
  return sum;
}

bool Names(const std::vector<quint8>& values, quint8 drawn) {
  return std::find(values.begin(), values.end(), drawn) != values.end();
}

struct Tallies {
  ForecastChanceTally forecast, naive, picker;
};

// One replayed draw: the trials of each row at each position.
void WeighDraw(const HistoryView& whole, qint32 next, const SelectorLists& lists, const SelectorLists& named,
               Tallies& tallies, bool& fewDraws) {
  const PositionLaw law(whole, next);
  fewDraws = fewDraws || law.FewDraws();
  for (int k = 1; k <= whole.PositionCount; ++k) {
    const auto ku = static_cast<size_t>(k);
    const quint8 drawn = whole.P(k, next);
    const std::vector<quint8> forecast = Distinct(named[ku]);
    const std::vector<quint8>& list = lists[ku];
    if (!forecast.empty()) {
      tallies.forecast.Add(ShareOf(law, k, forecast), Names(forecast, drawn));
      if (!list.empty()) {
        const double picked = std::min<double>(static_cast<double>(forecast.size()), static_cast<double>(list.size()));
        tallies.picker.Add(ShareOf(law, k, list) * picked / static_cast<double>(list.size()), false);
      }
    }
    const size_t count = std::min(std::max<size_t>(forecast.size(), 1), list.size());
    const std::vector<quint8> naive(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count));
    if (!naive.empty()) tallies.naive.Add(ShareOf(law, k, naive), Names(naive, drawn));
  }
  tallies.forecast.EndDraw();
  tallies.naive.EndDraw();
  tallies.picker.EndDraw();
}

}  // namespace

std::optional<ForecastReplay> ReplayForecasts(const History& history, int steps, const NameNumbers& name,
                                              const ReplayProgress& progress) {
  steps = std::clamp(steps, 0, std::max(history.DrawCount - 1, 0));
  const HistoryView whole(history);
  Tallies tallies;
  ForecastReplay replay;
  for (int i = 0; i < steps; ++i) {
    if (progress && !progress(i * 100 / steps)) return std::nullopt;
    const HistoryView known(history, history.DrawCount - steps + i);
    const SelectorLists lists = FillSelectors(known, 0).lists;
    WeighDraw(whole, known.DrawCount + 1, lists, name(known, lists), tallies, replay.fewDraws);
  }
  if (progress && !progress(100)) return std::nullopt;
  replay.forecast = tallies.forecast.Result();
  replay.naive = tallies.naive.Result();
  replay.picker = tallies.picker.Result();
  return replay;
}

}  // namespace tombolix
