#include "history/spanish_numbers.h"

namespace tombolix {

QString SpanishCount(qint64 n) {
  const QString digits = QString::number(n < 0 ? -n : n);
  QString out;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.append(u'.');
    out.append(digits.at(i));
  }
  return n < 0 ? QLatin1Char('-') + out : out;
}

QString SpanishDecimal(double value, int places) {
  return QString::number(value, 'f', places).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace tombolix
