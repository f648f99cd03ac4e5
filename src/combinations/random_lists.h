#pragma once

#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"

#include <QRandomGenerator>

#include <array>
#include <vector>

namespace tombolix {

// The values a random combination may take at each position (index 0 unused).
using Candidates = std::array<std::vector<quint8>, kMaxPositions + 1>;

// Random lists made as the generator makes its own: one candidate per
// position, no number twice among the pooled positions, and no combination
// twice in a list. Each combination of a list is then uniform over the
// allowed ones, so a list's expected successes are those of independent
// combinations; its expected draws hit are those of a draw without
// replacement (hypergeometric), computed exactly here.
//
// A position with no candidate holds HitTable::kNoValue, which never hits and
// is never a repeat.
class RandomListSpace {
 public:
  RandomListSpace(const HitTable& table, const Groupings& groupings, const Candidates& candidates);

  // Allowed combinations, and how many of them hit lane t (exact counts held
  // as doubles: at most 100^7, well inside 2^53).
  double Count() const { return count_; }
  double Hitting(int t) const { return hitting_[static_cast<size_t>(t)]; }

  // A list holds at most every allowed combination once.
  int ListSize(int wanted) const;
  double ExpectedSuccesses(int listSize) const;
  double ExpectedHitDraws(int listSize) const;

  // One random list of ListSize(size) combinations, written to list[k][0..].
  void Draw(int size, QRandomGenerator& random, CombPositions& list) const;

 private:
  bool Allowed(const CombinationValues& values) const;
  void Enumerate(int k, CombinationValues& values, std::vector<CombinationValues>& out) const;

  int positionCount_ = 0;
  Candidates candidates_;
  std::array<bool, kMaxPositions + 1> pooled_{};  // pooled with at least one candidate
  double count_ = 0;
  std::vector<double> hitting_;
  std::vector<CombinationValues> all_;  // every allowed combination, when they are few
};

}  // namespace tombolix
