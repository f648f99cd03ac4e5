#include "combinations/random_lists.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tombolix {

namespace {

// Counts of combinations by hits, hits capped at the threshold.
using HitCounts = std::array<double, kMaxPositions + 1>;

// Allowed assignments of the pooled positions, by capped hits against lane t:
// the values are taken one by one, each given to at most one pooled position
// that lists it, so no value is used twice. State: the positions filled so far
// (a bit mask) and the capped hits.
HitCounts PooledCounts(const HitTable& table, const Candidates& candidates, const std::vector<int>& pooled,
                       int threshold, int t) {
  const size_t states = size_t{1} << pooled.size();
  const auto width = static_cast<size_t>(threshold + 1);
  std::vector<double> dp(states * width, 0.0);
  std::vector<double> next(dp.size());
  dp[0] = 1;
  std::array<bool, 256> listed{};
  for (const int k : pooled) {
    for (const quint8 v : candidates[static_cast<size_t>(k)]) listed[v] = true;
  }
  for (int v = 0; v < 256; ++v) {
    if (!listed[static_cast<size_t>(v)]) continue;
    next = dp;  // the value left unused
    for (size_t i = 0; i < pooled.size(); ++i) {
      const auto& list = candidates[static_cast<size_t>(pooled[i])];
      if (std::find(list.begin(), list.end(), static_cast<quint8>(v)) == list.end()) continue;
      const int score = t < 0 ? 0 : table.Row(pooled[i], static_cast<quint8>(v)).lane[static_cast<size_t>(t)];
      const size_t bit = size_t{1} << i;
      for (size_t mask = 0; mask < states; ++mask) {
        if ((mask & bit) != 0) continue;
        for (int h = 0; h <= threshold; ++h) {
          const double ways = dp[mask * width + static_cast<size_t>(h)];
          if (ways == 0) continue;
          next[(mask | bit) * width + static_cast<size_t>(std::min(threshold, h + score))] += ways;
        }
      }
    }
    dp.swap(next);
  }
  HitCounts counts{};
  for (int h = 0; h <= threshold; ++h) counts[static_cast<size_t>(h)] = dp[(states - 1) * width + static_cast<size_t>(h)];
  return counts;
}

// The counts after a free position (no repeat rule) is added.
HitCounts AddFreePosition(const HitCounts& counts, const HitTable& table, int k, const std::vector<quint8>& values,
                          int threshold, int t) {
  if (values.empty()) return counts;
  HitCounts next{};
  for (const quint8 v : values) {
    const int score = t < 0 ? 0 : table.Row(k, v).lane[static_cast<size_t>(t)];
    for (int h = 0; h <= threshold; ++h)
      next[static_cast<size_t>(std::min(threshold, h + score))] += counts[static_cast<size_t>(h)];
  }
  return next;
}

// A small open-addressing set of combination keys, emptied per list.
class KeySet {
 public:
  explicit KeySet(int size) : slots_(std::bit_ceil(static_cast<size_t>(std::max(size, 1)) * 4), 0) {}
  void Clear() { std::fill(slots_.begin(), slots_.end(), 0); }
  bool Insert(quint64 key) {
    ++key;  // 0 marks an empty slot; keys use 56 bits, so key + 1 never wraps
    size_t i = (key * 0x9E3779B97F4A7C15ULL) & (slots_.size() - 1);
    while (slots_[i] != 0) {
      if (slots_[i] == key) return false;
      i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = key;
    return true;
  }

 private:
  std::vector<quint64> slots_;
};

quint64 Key(const CombinationValues& values) {
  quint64 key = 0;
  for (size_t k = 1; k <= kMaxPositions; ++k) key = (key << 8) | values[k];
  return key;
}

// Below this many allowed combinations per wanted one, lists are drawn from
// the enumerated combinations instead of by rejection.
constexpr double kEnumerateBelow = 4;

}  // namespace

RandomListSpace::RandomListSpace(const HitTable& table, const Groupings& groupings, const Candidates& candidates)
    : positionCount_(table.PositionCount()), candidates_(candidates) {
  const int threshold = HitThreshold(positionCount_);
  std::vector<int> pooled;
  for (int k = 1; k <= positionCount_; ++k) {
    const auto ku = static_cast<size_t>(k);
    pooled_[ku] = groupings[ku] == Grouping::Pool && !candidates_[ku].empty();
    if (pooled_[ku]) pooled.push_back(k);
  }
  // Lane -1 stands for "no hits counted": the plain count of allowed combinations.
  const auto countsFor = [&](int t) {
    HitCounts counts = PooledCounts(table, candidates_, pooled, threshold, t);
    for (int k = 1; k <= positionCount_; ++k) {
      if (!pooled_[static_cast<size_t>(k)])
        counts = AddFreePosition(counts, table, k, candidates_[static_cast<size_t>(k)], threshold, t);
    }
    return counts;
  };
  count_ = countsFor(-1)[0];
  hitting_.resize(static_cast<size_t>(table.DrawsTested()));
  for (int t = 0; t < table.DrawsTested(); ++t) hitting_[static_cast<size_t>(t)] = countsFor(t)[static_cast<size_t>(threshold)];
  if (count_ < kEnumerateBelow * kListSize) {
    CombinationValues values{};
    Enumerate(1, values, all_);
  }
}

int RandomListSpace::ListSize(int wanted) const {
  return static_cast<int>(std::min<double>(std::max(wanted, 0), count_));
}

double RandomListSpace::ExpectedSuccesses(int listSize) const {
  if (count_ <= 0) return 0;
  double sum = 0;
  for (const double h : hitting_) sum += h / count_;
  return sum * ListSize(listSize);
}

double RandomListSpace::ExpectedHitDraws(int listSize) const {
  const int n = ListSize(listSize);
  double sum = 0;
  for (const double h : hitting_) {
    // Chance that none of the n distinct combinations hits: C(count - h, n) / C(count, n).
    double none = 1;
    for (int i = 0; i < n && none > 0; ++i) none *= std::max(0.0, (count_ - h - i) / (count_ - i));
    sum += 1 - none;
  }
  return sum;
}

bool RandomListSpace::Allowed(const CombinationValues& values) const {
  std::array<quint64, 4> used{};
  for (int k = 1; k <= positionCount_; ++k) {
    if (!pooled_[static_cast<size_t>(k)]) continue;
    const quint8 v = values[static_cast<size_t>(k)];
    quint64& word = used[v >> 6];
    const quint64 bit = quint64{1} << (v & 63);
    if ((word & bit) != 0) return false;
    word |= bit;
  }
  return true;
}

void RandomListSpace::Enumerate(int k, CombinationValues& values, std::vector<CombinationValues>& out) const {
  if (k > positionCount_) {
    if (Allowed(values)) out.push_back(values);
    return;
  }
  const auto& list = candidates_[static_cast<size_t>(k)];
  if (list.empty()) {
    values[static_cast<size_t>(k)] = HitTable::kNoValue;
    Enumerate(k + 1, values, out);
    return;
  }
  for (const quint8 v : list) {
    values[static_cast<size_t>(k)] = v;
    Enumerate(k + 1, values, out);
  }
}

void RandomListSpace::Draw(int size, QRandomGenerator& random, CombPositions& list) const {
  const int n = ListSize(size);
  for (int k = 1; k <= kMaxPositions; ++k) list[static_cast<size_t>(k)].assign(static_cast<size_t>(n), 0);
  const auto put = [&](int i, const CombinationValues& values) {
    for (int k = 1; k <= positionCount_; ++k)
      list[static_cast<size_t>(k)][static_cast<size_t>(i)] = values[static_cast<size_t>(k)];
  };
  if (!all_.empty()) {
    // A partial shuffle of the enumerated combinations.
    std::vector<int> order(all_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    for (int i = 0; i < n; ++i) {
      const auto j = static_cast<size_t>(i) + random.bounded(static_cast<quint32>(order.size() - static_cast<size_t>(i)));
      std::swap(order[static_cast<size_t>(i)], order[j]);
      put(i, all_[static_cast<size_t>(order[static_cast<size_t>(i)])]);
    }
    return;
  }
  KeySet seen(n);
  CombinationValues values{};
  for (int i = 0; i < n;) {
    for (int k = 1; k <= positionCount_; ++k) {
      const auto& c = candidates_[static_cast<size_t>(k)];
      values[static_cast<size_t>(k)] =
          c.empty() ? HitTable::kNoValue : c[random.bounded(static_cast<quint32>(c.size()))];
    }
    if (!Allowed(values) || !seen.Insert(Key(values))) continue;
    put(i++, values);
  }
}

}  // namespace tombolix
