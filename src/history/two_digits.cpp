#include "history/two_digits.h"

namespace tombolix {

namespace {

template <typename Text, typename Char>
void Append(Text& out, int value) {
  if (value < 0 || value > 99) {
    out.append(Text::number(value));
    return;
  }
  out.append(static_cast<Char>(u'0' + value / 10));
  out.append(static_cast<Char>(u'0' + value % 10));
}

}  // namespace

void AppendTwoDigits(QString& out, int value) { Append<QString, QChar>(out, value); }

void AppendTwoDigits(QByteArray& out, int value) { Append<QByteArray, char>(out, value); }

QString TwoDigits(int value) {
  QString out;
  AppendTwoDigits(out, value);
  return out;
}

int TwoDigitValueAt(QStringView text, qsizetype index) {
  if (index < 0 || index + 1 >= text.size()) return -1;
  const char16_t tens = text[index].unicode();
  const char16_t units = text[index + 1].unicode();
  if (tens < u'0' || tens > u'9' || units < u'0' || units > u'9') return -1;
  return (tens - u'0') * 10 + (units - u'0');
}

}  // namespace tombolix
