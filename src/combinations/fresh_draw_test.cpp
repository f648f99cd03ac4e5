#include "combinations/fresh_draw_test.h"

#include "combinations/hit_table.h"
#include "generator/combination_generator.h"
#include "history/acceptance.h"
#include "history/selector_population.h"

#include <QRandomGenerator>

namespace tombolix {

FreshDrawTest TestOnFreshDraws(const History& history, const SelectorTags& tags, int randomLists, quint32 listSeed,
                               quint32 chanceSeed) {
  FreshDrawTest test;
  if (history.DrawCount < kFreshTestMinDraws) {
    test.problem = QStringLiteral(
                       "La prueba en sorteos nuevos necesita al menos %1 sorteos (la lista se hace con "
                       "los anteriores a los últimos %2, y esos deben ser más de 100); este historial "
                       "tiene %3.")
                       .arg(kFreshTestMinDraws)
                       .arg(kTestLength)
                       .arg(history.DrawCount);
    return test;
  }
  test.knownDraws = history.DrawCount - kTestLength;
  const HistoryView earlier(history, test.knownDraws);
  const SelectorLists lists = FillSelectors(earlier, 0).lists;
  CombinationGenerator generator(earlier, MeasureAcceptance(earlier));
  QRandomGenerator random(listSeed);
  const int positionCount = history.PositionCount;
  for (int k = 1; k <= kMaxPositions; ++k) test.CombPos[static_cast<size_t>(k)].assign(kListSize, 0);
  for (int i = 0; i < kListSize; ++i) {
    const GenerationResult result = generator.Generate(lists, random);
    if (!result.accepted) {
      test.problem = QStringLiteral(
                         "La prueba en sorteos nuevos no pudo hacer su lista: con los sorteos 1 a %1 el "
                         "generador no encontró más que %2 combinaciones aceptables.")
                         .arg(test.knownDraws)
                         .arg(i);
      return test;
    }
    for (int k = 1; k <= positionCount; ++k)
      test.CombPos[static_cast<size_t>(k)][static_cast<size_t>(i)] = result.lastCandidate[static_cast<size_t>(k - 1)];
  }
  test.baseline =
      CompareWithChance(HistoryView(history), test.CombPos, lists, tags, randomLists, chanceSeed, test.knownDraws);
  test.baseline.origin = ListOrigin::BuiltBefore;
  // The list's own spread, on the draws it was not made from: after the
  // first 100 (the acceptance values) and before the 100 its selectors read.
  MeasureOwnSpread(history, test.CombPos, lists, tags, kTestLength + 1, test.knownDraws - kTestLength, test.baseline);
  return test;
}

QString FreshDrawSentence(const FreshDrawTest& test) {
  if (!test.problem.isEmpty()) return test.problem;
  return QStringLiteral(
             "En sorteos nuevos, una lista de %1 combinaciones hecha por el generador con los sorteos 1 a "
             "%2 se probó en los %3 siguientes. ")
             .arg(SpanishCount(kListSize), SpanishCount(test.knownDraws), SpanishCount(test.baseline.drawsTested)) +
         ChanceSentence(test.baseline).replace(QStringLiteral("Su lista"), QStringLiteral("Esa lista"));
}

}  // namespace tombolix
