#include "history/selector_population.h"

#include <algorithm>

namespace tombolix {

namespace {

// Values at a position and how often each came out in the window.
struct PositionCounts {
  std::array<quint8, 256> count{};
  std::array<quint8, 256> distinct{};  // the values seen, in no particular order
  int distinctCount = 0;
  int total = 0;
};

PositionCounts CountPosition(const HistoryView& view, int k, qint32 first) {
  PositionCounts counts;
  for (qint32 d = view.DrawCount; d >= first; --d) {
    const quint8 value = view.P(k, d);
    if (counts.count[value]++ == 0) counts.distinct[static_cast<size_t>(counts.distinctCount++)] = value;
    ++counts.total;
  }
  return counts;
}

bool HasValueBelowFour(const PositionCounts& counts) {
  for (int v = 0; v <= 3; ++v) {
    if (counts.count[static_cast<size_t>(v)] > 0) return true;
  }
  return false;
}

// Most frequent first, ties with the higher number first; values seen fewer
// than A - offset times dropped unless there are fewer than 16 of them.
std::vector<quint8> RankedCandidates(const PositionCounts& counts, quint8 offset) {
  std::vector<quint8> ranked(counts.distinct.begin(), counts.distinct.begin() + counts.distinctCount);
  std::sort(ranked.begin(), ranked.end(), [&counts](quint8 a, quint8 b) {
    return counts.count[a] != counts.count[b] ? counts.count[a] > counts.count[b] : a > b;
  });
  const int n = counts.distinctCount;
  if (n == 0 || n < 16) return ranked;
  const int average = counts.total / n;
  const auto rare =
      std::find_if(ranked.begin(), ranked.end(), [&](quint8 v) { return counts.count[v] + int{offset} < average; });
  ranked.erase(rare, ranked.end());
  return ranked;
}

}  // namespace

SelectorPopulation FillSelectors(const HistoryView& view, quint8 offset) {
  SelectorPopulation population;
  for (auto& tag : population.tags) tag = QStringLiteral("100");
  population.tags[0].clear();
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const qint32 first = view.WindowStart(100);

  std::array<PositionCounts, kMaxPositions + 1> counts;
  for (int k = 1; k <= positionCount; ++k) {
    counts[static_cast<size_t>(k)] = CountPosition(view, k, first);
    population.FullListCount[static_cast<size_t>(k)] =
        static_cast<quint8>(counts[static_cast<size_t>(k)].distinctCount);
    population.tags[static_cast<size_t>(k)] = QStringLiteral("0");
  }
  // From the last position down, positions whose numbers reach 0..3 compare
  // only with themselves; the first one that does not ends the run.
  for (int k = positionCount; k >= 1; --k) {
    if (!HasValueBelowFour(counts[static_cast<size_t>(k)])) break;
    population.tags[static_cast<size_t>(k)] = QStringLiteral("1");
  }
  for (int k = 1; k <= positionCount; ++k) {
    population.lists[static_cast<size_t>(k)] = RankedCandidates(counts[static_cast<size_t>(k)], offset);
  }
  return population;
}

}  // namespace tombolix
