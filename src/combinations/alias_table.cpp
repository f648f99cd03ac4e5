#include "combinations/alias_table.h"

#include <climits>
#include <cstdint>

namespace tombolix {

AliasTable::AliasTable(const std::vector<quint64>& weights) : keep_(weights.size()), other_(weights.size()) {
  for (const quint64 w : weights) total_ += w;
  // Each weight scaled by the column count; a column holds total_ points.
  std::vector<quint64> scaled(weights.size());
  std::vector<int> small, large;
  for (size_t i = 0; i < weights.size(); ++i) {
    scaled[i] = weights[i] * weights.size();
    other_[i] = static_cast<int>(i);
    (scaled[i] < total_ ? small : large).push_back(static_cast<int>(i));
  }
  while (!small.empty() && !large.empty()) {
    const int s = small.back();
    small.pop_back();
    const int g = large.back();
    const auto su = static_cast<size_t>(s), gu = static_cast<size_t>(g);
    keep_[su] = scaled[su];
    other_[su] = g;
    scaled[gu] -= total_ - scaled[su];
    if (scaled[gu] < total_) {
      large.pop_back();
      small.push_back(g);
    }
  }
  // The columns left hold exactly total_ points each: they keep them all.
  for (const int i : large) keep_[static_cast<size_t>(i)] = total_;
  for (const int i : small) keep_[static_cast<size_t>(i)] = total_;
}

int AliasTable::Pick(QRandomGenerator& random) const {
  const quint64 point = UniformBelow(random, total_ * keep_.size());
  const auto column = static_cast<size_t>(point / total_);
  return point % total_ < keep_[column] ? static_cast<int>(column) : other_[column];
}

quint64 UniformBelow(QRandomGenerator& random, quint64 bound) {
  if (bound <= 0xFFFFFFFFULL) return random.bounded(static_cast<quint32>(bound));
  const quint64 limit = UINT64_MAX - UINT64_MAX % bound;
  quint64 x = random.generate64();
  while (x >= limit) x = random.generate64();
  return x % bound;
}

}  // namespace tombolix
