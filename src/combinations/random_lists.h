#pragma once

#include "combinations/alias_table.h"
#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"
#include "generator/combination_generator.h"

#include <QRandomGenerator>

#include <array>
#include <vector>

namespace tombolix {

// The values a random combination may take at each position (index 0 unused).
using Candidates = std::array<std::vector<quint8>, kMaxPositions + 1>;

// Random lists made from the space the generator draws from: one candidate per
// position, no number twice among the pooled positions, no combination twice
// in a list, and, where every recent draw rises from one position to the next
// (numbers written in ascending order), a number above the one before, as the
// generator's trend test demands. The generator's other tests (the patterns
// and counts of recent draws) are not shared. Each combination of a list is
// uniform over the allowed ones, so a list's expected successes are those of
// independent combinations; its expected draws hit are those of a draw without
// replacement (hypergeometric), computed exactly here.
//
// A position with no candidate holds HitTable::kNoValue, which never hits and
// is never a repeat.
class RandomListSpace {
 public:
  // rises[p]: position p must exceed position p - 1 (position 1: exceed 0).
  RandomListSpace(const HitTable& table, const Groupings& groupings, const Candidates& candidates,
                  const ForcedRises& rises = {});

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
  // Positions first..last, each above the one before.
  struct Chain {
    int first = 0;
    int last = 0;
  };
  // Values of one position of a run, ascending; fromIndex[i] draws among
  // values[i..], each weighted by its ways to complete the run, and
  // firstAbove[v] is the index of the first value above v.
  struct Weighted {
    std::vector<quint8> values;
    std::array<quint16, 256> firstAbove{};
    std::vector<AliasTable> fromIndex;
  };

  // Position k keeps the rules against the positions before it.
  bool Fits(const CombinationValues& values, int k) const;
  void Enumerate(int k, CombinationValues& values, std::vector<CombinationValues>& out) const;
  void PrepareSampling();
  void DrawChain(const Chain& chain, QRandomGenerator& random, CombinationValues& values) const;

  int positionCount_ = 0;
  Candidates candidates_;  // ascending, without doubles
  std::array<bool, kMaxPositions + 1> pooled_{};  // pooled with at least one candidate
  std::array<bool, kMaxPositions + 1> linked_{};  // must exceed the position before
  std::vector<Chain> chains_;
  std::array<Weighted, kMaxPositions + 1> weighted_;
  double count_ = 0;
  std::vector<double> hitting_;
  std::vector<CombinationValues> all_;  // every allowed combination, when they are few
};

}  // namespace tombolix
