#pragma once

#include "combinations/chance_verdict.h"
#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"
#include "history/history.h"
#include "history/selector_population.h"
#include "history/spanish_numbers.h"

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
  double sdSuccesses = 0;        // standard deviation of the random lists' successes
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

  // A list whose combinations lean on the same numbers wins or loses many
  // successes together, so its score varies more from one set of draws to
  // another than a random list's does, skill or none. Where that spread was
  // measured on earlier draws the list owes nothing (see MeasureOwnSpread),
  // the verdict's band is widened about the random lists' mean by
  // spreadRatio, the list's spread over theirs; it is never narrowed.
  double spreadRatio = 1;
  int spreadDraws = 0;  // draws the spread was measured on; 0: not measured

  bool HasBand() const { return randomLists >= kMinBandLists; }
  bool Widened() const { return HasBand() && spreadRatio > 1; }
  // The band the verdict reads: the random lists' 95 % band of successes, widened when Widened().
  int VerdictLow() const;
  int VerdictHigh() const;
  // Successes against the verdict's band; nothing without a band.
  std::optional<ChanceVerdict> Verdict() const;
};

// Monte-Carlo over `randomLists` random lists of each kind, made as the
// generator makes its lists (see RandomListSpace), tested on the newest 100
// draws of `view`; seeded: the same seed gives the same figures on every
// platform. The history kind takes the values of draws 1..knownDraws (all of
// `view` when 0).
ChanceBaseline CompareWithChance(const HistoryView& view, const CombPositions& CombPos, const SelectorLists& lists,
                                 const SelectorTags& tags, int randomLists, quint32 seed, qint32 knownDraws = 0);

// Fewest earlier draws the list's own spread is measured on.
inline constexpr int kMinSpreadDraws = 100;

// Measures how the successes of the list vary over sets of kTestLength draws
// it was not made from: draw by draw on the draws firstDraw..lastDraw of
// `history` (at most the newest 2,000 of them, in whole blocks), as its
// successes less what a random list from `lists` expects on that draw. With
// independent draws, kTestLength times their variance is the variance of the
// list's score on kTestLength draws that owe it nothing. Sets spreadRatio and
// spreadDraws of `baseline` (which CompareWithChance filled) when at least
// kMinSpreadDraws were read.
void MeasureOwnSpread(const History& history, const CombPositions& CombPos, const SelectorLists& lists,
                      const SelectorTags& tags, qint32 firstDraw, qint32 lastDraw, ChanceBaseline& baseline);

// Where the list ranks among the random lists from the selectors, by
// successes: "mejor que el 12 %" or, when some tie with it, "igual o mejor que el 15 %".
QString RankWords(const ChanceBaseline& baseline);

// The plain sentence of one comparison: successes with draws hit beside them,
// the rank, the verdict (or why there is none) and what the draws mean for
// the list's origin.
QString ChanceSentence(const ChanceBaseline& baseline);

}  // namespace tombolix
