#include "generator/patterns.h"

#include "history/two_digits.h"

#include <algorithm>

namespace tombolix {

namespace {

// The labels a repeated field takes, and the text that tells a field already labelled.
const QString& Labels() {
  static const QString labels = QStringLiteral("AA:BB:CC:DD:EE:FF:GG");
  return labels;
}

QString PositionLabel(int p) { return Labels().mid(3 * (p - 1), 2); }

}  // namespace

QString PatronRepeticion(QStringView combination, int positionCount) {
  QString work = combination.toString();
  for (int p = 1; p <= positionCount; ++p) {
    const QString field = work.mid(3 * p - 3, 2);
    // A text shorter than its position count has no more fields to label.
    if (field.size() < 2) break;
    if (Labels().contains(field)) continue;
    const qsizetype first = work.indexOf(field);
    const bool repeated = work.indexOf(field, first + field.size()) >= 0;
    work.replace(field, repeated ? PositionLabel(p) : QStringLiteral("XX"));
  }
  return work;
}

QString PatronTendencia(QStringView combination, int positionCount) {
  QString result;
  int previous = 0;
  for (int p = 1; p <= positionCount; ++p) {
    const qsizetype start = 3 * p - 3;
    // A field that is not two digits counts as 0.
    const int value = std::max(0, TwoDigitValueAt(combination, start));
    if (p > 1) result += u':';
    result += value > previous ? QStringLiteral("++") : QStringLiteral("--");
    previous = value;
  }
  return result;
}

int RepetitionCode(const quint8* values, int positionCount) {
  int code = 0;
  int weight = 1;
  for (int p = 0; p < positionCount; ++p) {
    int first = p;
    for (int q = 0; q < p; ++q) {
      if (values[q] == values[p]) {
        first = q;
        break;
      }
    }
    bool repeated = first < p;
    for (int r = p + 1; !repeated && r < positionCount; ++r) repeated = values[r] == values[p];
    if (repeated) code += (first + 1) * weight;
    weight *= p + 2;
  }
  return code;
}

int TrendCode(const quint8* values, int positionCount) {
  int code = 0;
  int previous = 0;
  for (int p = 0; p < positionCount; ++p) {
    if (values[p] > previous) code |= 1 << p;
    previous = values[p];
  }
  return code;
}

}  // namespace tombolix
