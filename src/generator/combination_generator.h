#pragma once

#include "generator/combination.h"
#include "generator/patterns.h"
#include "history/history.h"
#include "history/selector_population.h"

#include <QRandomGenerator>

#include <array>
#include <bitset>
#include <unordered_set>
#include <vector>

namespace tombolix {

// Positions whose number rose above the one before (position 1: above 0) in
// every draw of the generator's pattern window of `view`: the trend test then
// accepts only candidates that rise there too. Index 0 unused.
using ForcedRises = std::array<bool, kMaxPositions + 1>;
ForcedRises RisingPositions(const HistoryView& view);

// What one Generate call did.
struct GenerationResult {
  bool accepted = false;        // lastCandidate is a new combination, now in Generated()
  int candidatesDrawn = 0;      // 0 when a candidate list was empty: nothing was drawn
  Combination lastCandidate{};  // the last candidate drawn, accepted or not (what the selectors show)
};

// Draws combinations from the selectors' candidate lists and accepts those that
// resemble the recent history: the repetition pattern and the trend signature
// each occur among the last 100 draws, and the counts of consecutive pairs,
// even numbers and composite numbers each equal one of their two acceptance
// values. Built once per history load (the patterns of the last 100 draws are
// reduced to two small sets then, so each candidate is tested in constant time);
// it keeps the combinations accepted so far and never accepts one twice.
//
// Randomness comes only from the QRandomGenerator the caller passes, and a list
// item is chosen with QRandomGenerator::bounded, Qt's own mapping: the same seed
// gives the same combinations on every platform and standard library.
class CombinationGenerator {
 public:
  static constexpr int kMaxAttempts = 1000;
  static constexpr int kPatternWindow = 100;

  CombinationGenerator(const HistoryView& view, const AcceptanceValues& acceptance);

  int PositionCount() const { return positionCount; }

  // Up to kMaxAttempts candidates, one uniformly chosen item of lists[p] for
  // each position p = 1..PositionCount; the first that passes the tests and is
  // not already generated is accepted and appended to Generated(). Fails
  // without drawing when a list is empty or the position count is not 2..7.
  GenerationResult Generate(const SelectorLists& lists, QRandomGenerator& random);

  // The five acceptance tests (the repeat test aside).
  bool PassesTests(const Combination& candidate) const;

  // The combinations accepted so far, oldest first.
  const std::vector<Combination>& Generated() const { return generated; }
  bool IsGenerated(const Combination& candidate) const { return generatedKeys.contains(CombinationKey(candidate)); }
  // Starts a new list: forgets every accepted combination.
  void ClearGenerated();

 private:
  bool CountsAdmitted(int consecutive, int even, int composite) const;

  int positionCount = 0;
  quint8 consecutiveMask = 0;  // bit c set when c consecutive pairs are admitted; likewise below
  quint8 evenMask = 0;
  quint8 compositeMask = 0;
  std::array<quint8, 256> numberClass{};  // bit 0: even; bit 1: composite
  std::bitset<kRepetitionCodeCount> recentRepetition;
  std::bitset<kTrendCodeCount> recentTrend;
  std::vector<Combination> generated;
  std::unordered_set<quint64> generatedKeys;
};

}  // namespace tombolix
