#pragma once

#include "combinations/chance_verdict.h"
#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"
#include "history/history.h"
#include "history/selector_population.h"

#include <QString>

#include <optional>
#include <vector>

namespace tombolix {

// Fewer random lists than this give no band and no verdict: the range shown
// is then their smallest and largest result.
inline constexpr int kMinBandLists = 200;

// What random lists of one kind scored on the tested draws.
struct ChanceFigures {
  int listSize = 0;         // combinations per random list (all allowed ones when fewer than asked)
  double meanHitDraws = 0;  // mean over the random lists
  int lowHitDraws = 0;      // 2.5th percentile (nearest rank), or the smallest result
  int highHitDraws = 0;     // 97.5th percentile (nearest rank), or the largest result
  double meanSuccesses = 0;
  int lowSuccesses = 0;
  int highSuccesses = 0;
  double expectedHitDraws = 0;   // exact expectation for a random list without repeats
  double expectedSuccesses = 0;  // exact expectation for a random list
  int fewerSuccesses = 0;        // random lists that scored fewer successes than the tested list
  int equalSuccesses = 0;        // random lists that scored as many
  // How many random lists hit each number of draws (index: draws hit).
  std::vector<int> hitDrawsHistogram;
};

// Where the tested list comes from, which decides what its comparison means.
enum class ListOrigin {
  GeneratedNow,  // made from the very draws it is tested on
  Saved,         // read from a file: the draws it was made from are unknown
  BuiltBefore,   // made from the draws before the tested ones
};

// A back-tested list against chance, on the same draws with the same hit rule.
struct ChanceBaseline {
  int randomLists = 0;  // random lists of each kind
  int listSize = 0;     // combinations per list, the tested list's count
  int drawsTested = 0;
  int listHitDraws = 0;  // what the tested list itself scored
  int listSuccesses = 0;
  ListOrigin origin = ListOrigin::Saved;
  // (a) each number drawn from its position's selector list: the verdict's kind.
  ChanceFigures fromSelectors;
  // (b) each number drawn from the distinct values its position took in the
  // draws the list could know.
  ChanceFigures fromHistory;

  bool HasBand() const { return randomLists >= kMinBandLists; }
  // Successes against the band of lists from the selectors; nothing without a band.
  std::optional<ChanceVerdict> Verdict() const;
};

// Monte-Carlo over `randomLists` random lists of each kind, made as the
// generator makes its lists (see RandomListSpace), tested on the newest 100
// draws of `view`; seeded: the same seed gives the same figures on every
// platform. The history kind takes the values of draws 1..knownDraws (all of
// `view` when 0).
ChanceBaseline CompareWithChance(const HistoryView& view, const CombPositions& CombPos, const SelectorLists& lists,
                                 const SelectorTags& tags, int randomLists, quint32 seed, qint32 knownDraws = 0);

// "1.000": a count with "." between groups of three digits.
QString SpanishCount(qint64 n);

// Where the list ranks among the random lists from the selectors, by
// successes: "mejor que el 12 %" or, when some tie with it, "igual o mejor que el 15 %".
QString RankWords(const ChanceBaseline& baseline);

// The plain sentence of one comparison: successes with draws hit beside them,
// the rank, the verdict (or why there is none) and what the draws mean for
// the list's origin.
QString ChanceSentence(const ChanceBaseline& baseline);

}  // namespace tombolix
