#pragma once

#include <QRandomGenerator>

#include <vector>

namespace tombolix {

// Draws an index with probability proportional to its whole-number weight in
// constant time (Walker's alias method, in integers, so the odds are exact):
// one uniform draw picks a column and a point in it; the point keeps the
// column's own index below its share, else gives the column's alias.
class AliasTable {
 public:
  AliasTable() = default;
  explicit AliasTable(const std::vector<quint64>& weights);

  // Sum of the weights; Pick needs it above 0.
  quint64 Total() const { return total_; }
  int Pick(QRandomGenerator& random) const;

 private:
  quint64 total_ = 0;
  std::vector<quint64> keep_;  // points of column i (out of total_) that give i
  std::vector<int> other_;     // the index the rest of column i gives
};

// A uniform draw below `bound` (at least 1).
quint64 UniformBelow(QRandomGenerator& random, quint64 bound);

}  // namespace tombolix
