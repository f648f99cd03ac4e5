#include "combinations/combination_list.h"

#include "history/two_digits.h"

namespace tombolix {

CombinationList CombinationList::Empty() {
  CombinationList list;
  for (std::vector<quint8>& column : list.CombPos) column.assign(kListSize, 0);
  list.LineasComb = QStringList(kListSize);
  return list;
}

QString CombinationLine(qint32 index, std::span<const quint8> numbers) {
  QString line;
  line.reserve(13 + 3 * static_cast<qsizetype>(numbers.size()));
  line += QLatin1String("  ");
  // The index in six digits, the numbers in two: the line keeps its width
  // whatever the values, so the columns read back by position stay in place.
  AppendTwoDigits(line, index / 10000 % 100);
  AppendTwoDigits(line, index / 100 % 100);
  AppendTwoDigits(line, index % 100);
  line += kMarkNotHit;
  line += QLatin1String("    ");
  for (const quint8 number : numbers) {
    AppendTwoDigits(line, number % 100);
    line += u' ';
  }
  return line;
}

}  // namespace tombolix
