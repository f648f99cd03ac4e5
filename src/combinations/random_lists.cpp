#include "combinations/random_lists.h"

#include "combinations/random_list_counts.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tombolix {

namespace {

// A small open-addressing set of combination keys, emptied per list.
class KeySet {
 public:
  explicit KeySet(int size)
      : slots_(std::bit_ceil(static_cast<size_t>(std::max(size, 1)) * 4), 0),
        shift_(64 - std::countr_zero(slots_.size())) {}
  bool Insert(quint64 key) {
    ++key;  // 0 marks an empty slot; keys use 56 bits, so key + 1 never wraps
    // The high bits of the product: a game of fewer than seven positions
    // leaves the low bytes of every key 0, and low product bits would then
    // send every key to one slot.
    size_t i = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
    while (slots_[i] != 0) {
      if (slots_[i] == key) return false;
      i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = key;
    return true;
  }

 private:
  std::vector<quint64> slots_;
  int shift_ = 64;
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

RandomListSpace::RandomListSpace(const HitTable& table, const Groupings& groupings, const Candidates& candidates,
                                 const ForcedRises& rises)
    : positionCount_(table.PositionCount()), candidates_(candidates) {
  for (int k = 1; k <= positionCount_; ++k) {
    const auto ku = static_cast<size_t>(k);
    auto& c = candidates_[ku];
    std::sort(c.begin(), c.end());
    c.erase(std::unique(c.begin(), c.end()), c.end());
    if (k == 1 && rises[ku]) c.erase(std::remove(c.begin(), c.end(), quint8{0}), c.end());
    pooled_[ku] = groupings[ku] == Grouping::Pool && !c.empty();
    linked_[ku] = k > 1 && rises[ku] && !c.empty() && !candidates_[ku - 1].empty();
    if (chains_.empty() || !linked_[ku]) chains_.push_back({k, k});
    chains_.back().last = k;
  }
  SpaceRules rules;
  rules.positionCount = positionCount_;
  rules.candidates = candidates_;
  rules.pooled = pooled_;
  rules.linked = linked_;
  const int threshold = HitThreshold(positionCount_);
  count_ = CountByHits(table, rules, threshold, -1)[0];
  hitting_.resize(static_cast<size_t>(table.DrawsTested()));
  for (int t = 0; t < table.DrawsTested(); ++t)
    hitting_[static_cast<size_t>(t)] = CountByHits(table, rules, threshold, t)[static_cast<size_t>(threshold)];
  PrepareSampling();
  if (count_ > 0 && count_ < kEnumerateBelow * kListSize) {
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

bool RandomListSpace::Fits(const CombinationValues& values, int k) const {
  const auto ku = static_cast<size_t>(k);
  if (linked_[ku] && values[ku] <= values[ku - 1]) return false;
  if (!pooled_[ku]) return true;
  for (size_t j = 1; j < ku; ++j) {
    if (pooled_[j] && values[j] == values[ku]) return false;
  }
  return true;
}

void RandomListSpace::Enumerate(int k, CombinationValues& values, std::vector<CombinationValues>& out) const {
  if (k > positionCount_) {
    out.push_back(values);
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
    if (Fits(values, k)) Enumerate(k + 1, values, out);
  }
}

void RandomListSpace::PrepareSampling() {
  for (const Chain& chain : chains_) {
    if (chain.first == chain.last) continue;  // one position: a uniform pick
    // Ways to complete the run from each value, from its last position back.
    std::vector<quint64> after;
    for (int k = chain.last; k >= chain.first; --k) {
      Weighted& w = weighted_[static_cast<size_t>(k)];
      w.values = candidates_[static_cast<size_t>(k)];
      for (int v = 0, i = 0; v < 256; ++v) {
        while (i < static_cast<int>(w.values.size()) && w.values[static_cast<size_t>(i)] <= v) ++i;
        w.firstAbove[static_cast<size_t>(v)] = static_cast<quint16>(i);
      }
      std::vector<quint64> ways(w.values.size(), 1);
      if (k < chain.last) {
        const Weighted& next = weighted_[static_cast<size_t>(k + 1)];
        // after[i]: ways from next.values[i..]; the ways from a value are those from the first value above it.
        for (size_t i = 0; i < ways.size(); ++i) ways[i] = after[next.firstAbove[w.values[i]]];
      }
      // Tables from each starting index; the first position of the run only draws from index 0.
      const size_t starts = k == chain.first ? 1 : w.values.size();
      w.fromIndex.clear();
      for (size_t i = 0; i < starts; ++i) w.fromIndex.emplace_back(std::vector<quint64>(ways.begin() + static_cast<std::ptrdiff_t>(i), ways.end()));
      after.assign(ways.size() + 1, 0);
      for (size_t i = ways.size(); i-- > 0;) after[i] = after[i + 1] + ways[i];
    }
  }
}

void RandomListSpace::DrawChain(const Chain& chain, QRandomGenerator& random, CombinationValues& values) const {
  const auto first = static_cast<size_t>(chain.first);
  if (chain.first == chain.last) {
    const auto& c = candidates_[first];
    values[first] = c.empty() ? HitTable::kNoValue : c[random.bounded(static_cast<quint32>(c.size()))];
    return;
  }
  // Each value among those above the one before, weighted by its ways to complete the run.
  size_t low = 0;
  for (size_t k = first; k <= static_cast<size_t>(chain.last); ++k) {
    const Weighted& w = weighted_[k];
    if (k > first) low = w.firstAbove[values[k - 1]];
    values[k] = w.values[low + static_cast<size_t>(w.fromIndex[k > first ? low : 0].Pick(random))];
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
  // Each run of linked positions drawn uniformly among its rising values; a
  // number shared by two pooled positions of different runs, or a repeated
  // combination, is drawn again.
  KeySet seen(n);
  CombinationValues values{};
  for (int i = 0; i < n;) {
    for (const Chain& chain : chains_) DrawChain(chain, random, values);
    bool allowed = true;
    for (int k = 1; k <= positionCount_ && allowed; ++k) allowed = Fits(values, k);
    if (!allowed || !seen.Insert(Key(values))) continue;
    put(i++, values);
  }
}

}  // namespace tombolix
