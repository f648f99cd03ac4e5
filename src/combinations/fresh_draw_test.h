#pragma once

#include "combinations/chance_baseline.h"
#include "combinations/combination_lines.h"
#include "history/history.h"

#include <QString>

namespace tombolix {

// The back-test on draws the list never saw: a list made by the program's own
// generator from the history as it stood kTestLength draws ago (its selector
// lists, acceptance values and patterns, as a load of that shorter history
// makes them), tested on the newest kTestLength draws against random lists
// from the same earlier selectors. It judges the method, whatever list the
// user holds.
struct FreshDrawTest {
  QString problem;          // not empty: no test was made, and why (in Spanish)
  qint32 knownDraws = 0;    // the list was made from draws 1..knownDraws
  CombPositions CombPos;    // the list made
  ChanceBaseline baseline;  // that list against chance on the newest draws
};

// Fewest draws the test needs: the earlier history must be one the
// COMBINACIONES command accepts (more than 100 draws).
inline constexpr qint32 kFreshTestMinDraws = 201;

// Makes and tests the list on views of `history`, which it never changes.
// `tags` are the grouping tags of the selectors as they stand; `listSeed`
// seeds the generator, `chanceSeed` the random lists.
FreshDrawTest TestOnFreshDraws(const History& history, const SelectorTags& tags, int randomLists, quint32 listSeed,
                               quint32 chanceSeed);

// The plain sentence of the test, or its problem.
QString FreshDrawSentence(const FreshDrawTest& test);

}  // namespace tombolix
