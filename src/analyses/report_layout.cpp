#include "analyses/report_layout.h"

namespace tombolix {

QString PositionLabel(int p) { return QStringLiteral("B") + QString::number(p); }

int LabelPosition(QStringView text) {
  if (text.size() != kLabelWidth || text[0] != u'B') return 0;
  const char16_t digit = text[1].unicode();
  return digit >= u'1' && digit <= u'0' + kMaxPositions ? digit - u'0' : 0;
}

int LeadingNumber(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  int value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    if (value > 100'000'000) break;  // no count or cycle comes near; keeps the sum of them in range
    value = value * 10 + (text[i].unicode() - u'0');
  }
  return value;
}

}  // namespace tombolix
