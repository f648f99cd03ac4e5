#include "combinations/combination_list.h"

namespace tombolix {

namespace {

void AppendTwoDigits(QString& line, int value) {
  line += QChar(static_cast<char16_t>(u'0' + value / 10 % 10));
  line += QChar(static_cast<char16_t>(u'0' + value % 10));
}

}  // namespace

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
  AppendTwoDigits(line, index / 10000);
  AppendTwoDigits(line, index / 100);
  AppendTwoDigits(line, index);
  line += kMarkNotHit;
  line += QLatin1String("    ");
  for (const quint8 number : numbers) {
    AppendTwoDigits(line, number);
    line += u' ';
  }
  return line;
}

}  // namespace tombolix
