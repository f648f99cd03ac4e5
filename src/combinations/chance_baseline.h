#pragma once

#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"
#include "history/history.h"
#include "history/selector_population.h"

#include <QString>

#include <vector>

namespace tombolix {

// What random lists of one kind scored on the tested draws.
struct ChanceFigures {
  double meanHitDraws = 0;  // mean over the random lists
  int lowHitDraws = 0;      // 2.5th percentile (nearest rank)
  int highHitDraws = 0;     // 97.5th percentile (nearest rank)
  double meanSuccesses = 0;
  int lowSuccesses = 0;
  int highSuccesses = 0;
  double expectedHitDraws = 0;   // exact expectation for a random list
  double expectedSuccesses = 0;  // exact expectation for a random list
  // How many random lists hit each number of draws (index: draws hit).
  std::vector<int> hitDrawsHistogram;
};

// A back-tested list against chance, on the same draws with the same hit rule.
struct ChanceBaseline {
  int randomLists = 0;  // random lists of each kind
  int listSize = 0;     // combinations per list, the tested list's count
  int drawsTested = 0;
  int listHitDraws = 0;  // what the tested list itself scored
  int listSuccesses = 0;
  // (a) each number drawn uniformly from its position's selector list, no filter.
  ChanceFigures fromSelectors;
  // (b) each number drawn uniformly from the distinct values its position took
  // in the whole history.
  ChanceFigures fromHistory;
};

// Monte-Carlo over `randomLists` random lists of each kind (at least 1000 for a
// meaningful band), seeded: the same seed gives the same figures on every
// platform. Numbers are chosen with QRandomGenerator::bounded; combinations are
// independent, so a list may repeat one (the exact expectations count on it).
// A position with no candidate holds a number that never hits.
ChanceBaseline CompareWithChance(const HistoryView& view, const CombPositions& CombPos, const SelectorLists& lists,
                                 const SelectorTags& tags, int randomLists, quint32 seed);

// "1.000": a count with "." between groups of three digits.
QString SpanishCount(qint64 n);

// The one plain sentence about draws hit, for the given kind of random list:
// "Su lista acertó 37 sorteos; 1.000 listas al azar del mismo tamaño acertaron
// entre 29 y 41 (95 %)."
QString ChanceSentence(const ChanceBaseline& baseline, const ChanceFigures& figures);

}  // namespace tombolix
