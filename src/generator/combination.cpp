#include "generator/combination.h"

namespace tombolix {

QString CombinationText(const Combination& values, int positionCount) {
  QString text;
  text.reserve(3 * positionCount);
  for (int p = 0; p < positionCount; ++p) {
    if (p > 0) text += u':';
    text += QString::number(values[static_cast<size_t>(p)]).rightJustified(2, u'0');
  }
  return text;
}

Combination DrawCombination(const HistoryView& view, int d) {
  Combination values{};
  for (int k = 1; k <= view.PositionCount && k <= kMaxPositions; ++k) values[static_cast<size_t>(k - 1)] = view.P(k, d);
  return values;
}

}  // namespace tombolix
