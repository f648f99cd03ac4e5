#include "combinations/random_list_counts.h"

#include <algorithm>

namespace tombolix {

namespace {

int Score(const HitTable& table, int k, quint8 v, int t) {
  return t < 0 ? 0 : table.Row(k, v).lane[static_cast<size_t>(t)];
}

HitCounts Combine(const HitCounts& a, const HitCounts& b, int threshold) {
  HitCounts out{};
  for (int i = 0; i <= threshold; ++i) {
    if (a[static_cast<size_t>(i)] == 0) continue;
    for (int j = 0; j <= threshold; ++j)
      out[static_cast<size_t>(std::min(threshold, i + j))] += a[static_cast<size_t>(i)] * b[static_cast<size_t>(j)];
  }
  return out;
}

// First position of the run of linked positions that holds k.
int ChainStart(const SpaceRules& rules, int k) {
  while (k > 1 && rules.linked[static_cast<size_t>(k)]) --k;
  return k;
}

// The positions pooled or linked with a pooled one. The values are taken in
// ascending order, each given to a set of those positions that list it: at
// most one pooled position (no number twice) and at most one per run of
// linked positions, each linked one only once the one before it holds a
// smaller value. State: the positions filled so far (a bit mask) and the
// capped hits.
HitCounts PooledGroup(const HitTable& table, const SpaceRules& rules, const std::vector<int>& group, int threshold,
                      int t) {
  const size_t states = size_t{1} << group.size();
  const auto width = static_cast<size_t>(threshold + 1);
  std::vector<double> dp(states * width, 0.0);
  dp[0] = 1;
  std::vector<double> next;
  std::array<bool, 256> listed{};
  for (const int k : group) {
    for (const quint8 v : rules.candidates[static_cast<size_t>(k)]) listed[v] = true;
  }
  std::array<int, kMaxPositions + 1> bitOf{};
  for (size_t i = 0; i < group.size(); ++i) bitOf[static_cast<size_t>(group[i])] = static_cast<int>(i);
  for (int v = 0; v < 256; ++v) {
    if (!listed[static_cast<size_t>(v)]) continue;
    const auto value = static_cast<quint8>(v);
    std::vector<int> listing;
    for (const int k : group) {
      const auto& c = rules.candidates[static_cast<size_t>(k)];
      if (std::binary_search(c.begin(), c.end(), value)) listing.push_back(k);
    }
    next = dp;  // the value left unused
    for (size_t subset = 1; subset < (size_t{1} << listing.size()); ++subset) {
      size_t set = 0, need = 0;
      int pooled = 0, score = 0;
      std::array<bool, kMaxPositions + 1> chainUsed{};
      bool valid = true;
      for (size_t i = 0; i < listing.size() && valid; ++i) {
        if ((subset >> i & 1) == 0) continue;
        const int k = listing[i];
        const auto start = static_cast<size_t>(ChainStart(rules, k));
        pooled += rules.pooled[static_cast<size_t>(k)] ? 1 : 0;
        valid = pooled <= 1 && !chainUsed[start];
        chainUsed[start] = true;
        set |= size_t{1} << bitOf[static_cast<size_t>(k)];
        if (rules.linked[static_cast<size_t>(k)]) need |= size_t{1} << bitOf[static_cast<size_t>(k - 1)];
        score += Score(table, k, value, t);
      }
      if (!valid) continue;
      for (size_t mask = 0; mask < states; ++mask) {
        if ((mask & set) != 0 || (mask & need) != need) continue;
        for (int h = 0; h <= threshold; ++h) {
          const double ways = dp[mask * width + static_cast<size_t>(h)];
          if (ways != 0) next[(mask | set) * width + static_cast<size_t>(std::min(threshold, h + score))] += ways;
        }
      }
    }
    dp.swap(next);
  }
  HitCounts counts{};
  for (int h = 0; h <= threshold; ++h) counts[static_cast<size_t>(h)] = dp[(states - 1) * width + static_cast<size_t>(h)];
  return counts;
}

// A run of linked positions first..last with no pooled one: each value above
// the one before, found by running totals over the ascending candidates.
HitCounts FreeChain(const HitTable& table, const SpaceRules& rules, int first, int last, int threshold, int t) {
  const auto& firstValues = rules.candidates[static_cast<size_t>(first)];
  HitCounts total{};
  if (firstValues.empty()) {
    total[0] = 1;  // a position with no value
    return total;
  }
  std::vector<HitCounts> current(firstValues.size());
  for (size_t i = 0; i < firstValues.size(); ++i)
    current[i][static_cast<size_t>(std::min(threshold, Score(table, first, firstValues[i], t)))] = 1;
  for (int k = first + 1; k <= last; ++k) {
    const auto& before = rules.candidates[static_cast<size_t>(k - 1)];
    const auto& values = rules.candidates[static_cast<size_t>(k)];
    std::vector<HitCounts> next(values.size());
    HitCounts below{};
    size_t i = 0;
    for (size_t j = 0; j < values.size(); ++j) {
      for (; i < before.size() && before[i] < values[j]; ++i) {
        for (size_t h = 0; h < below.size(); ++h) below[h] += current[i][h];
      }
      const int score = Score(table, k, values[j], t);
      for (int h = 0; h <= threshold; ++h)
        next[j][static_cast<size_t>(std::min(threshold, h + score))] += below[static_cast<size_t>(h)];
    }
    current.swap(next);
  }
  for (const HitCounts& c : current) {
    for (size_t h = 0; h < total.size(); ++h) total[h] += c[h];
  }
  return total;
}

}  // namespace

HitCounts CountByHits(const HitTable& table, const SpaceRules& rules, int threshold, int t) {
  // Runs of linked positions, and which of them hold a pooled position.
  std::vector<std::pair<int, int>> runs;
  for (int k = 1; k <= rules.positionCount; ++k) {
    if (runs.empty() || !rules.linked[static_cast<size_t>(k)]) runs.emplace_back(k, k);
    runs.back().second = k;
  }
  std::vector<int> group;
  HitCounts counts{};
  counts[0] = 1;
  for (const auto& [first, last] : runs) {
    bool pooled = false;
    for (int k = first; k <= last; ++k) pooled = pooled || rules.pooled[static_cast<size_t>(k)];
    if (!pooled) {
      counts = Combine(counts, FreeChain(table, rules, first, last, threshold, t), threshold);
      continue;
    }
    for (int k = first; k <= last; ++k) group.push_back(k);
  }
  return Combine(counts, PooledGroup(table, rules, group, threshold, t), threshold);
}

}  // namespace tombolix
