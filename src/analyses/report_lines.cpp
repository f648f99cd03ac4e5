#include "analyses/report_lines.h"

namespace tombolix {

QChar RankClass(int r, int n) {
  const int t = n / 3;
  if (r >= 1 && r <= t) return u'%';
  if (r > t && r <= 2 * t) return u'$';
  return u'#';
}

void AppendValueLine(QString& out, int value, QChar mark, int number) {
  AppendTwoDigits(out, value);
  out.append(mark);
  out.append(kArrow);
  out.append(QString::number(number));
}

void AppendValueBlock(ReportText& report, int k, const std::vector<ValueLine>& lines) {
  QString text = QStringLiteral("B") + QString::number(k);
  for (const ValueLine& line : lines) {
    text.append(kCrLf);
    AppendValueLine(text, line.value, line.mark, line.number);
  }
  text.append(kCrLf);
  text.append(kCrLf);
  report.Append(text);
}

void AppendDrawLineStart(QString& out, const QString& date) {
  out.append(date.leftJustified(kDrawLineDateWidth, u' ', true));
  out.append(QLatin1String("   "));
}

int RoundHalfEven(int num, int den) {
  const int q = num / den;
  const int twiceRest = 2 * (num % den);
  if (twiceRest > den || (twiceRest == den && q % 2 != 0)) return q + 1;
  return q;
}

void StoreMapRow(QStringList& rows, const QString& row, int cap) {
  if (rows.isEmpty()) rows.append(QString());
  rows.last() = row;
  if (rows.size() < cap) rows.append(QString());
}

}  // namespace tombolix
