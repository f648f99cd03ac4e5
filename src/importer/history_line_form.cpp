#include "importer/history_line_form.h"

#include <QList>

namespace tombolix {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView TrailingBlanks(QByteArrayView field) {
  qsizetype start = field.size();
  while (start > 0 && IsBlank(field[start - 1])) --start;
  return field.sliced(start);
}

QByteArrayView LeadingBlanks(QByteArrayView field) {
  qsizetype end = 0;
  while (end < field.size() && IsBlank(field[end])) ++end;
  return field.first(end);
}

// The text from field `left` to field `left` + 1: its blanks, the comma, the next one's blanks.
QByteArray Separator(const QList<QByteArrayView>& fields, qsizetype left) {
  QByteArray separator(TrailingBlanks(fields[left]).toByteArray());
  separator += ',';
  separator += LeadingBlanks(fields[left + 1]);
  return separator;
}

// A one-digit value written with two digits (true), with one (false), or a value
// that does not tell (nothing changed).
void LearnPadding(QByteArrayView digits, bool& pad) {
  if (digits.size() == 1 && digits[0] >= '0' && digits[0] <= '9') pad = false;
  if (digits.size() == 2 && digits[0] == '0' && digits[1] >= '0' && digits[1] <= '9') pad = true;
}

QByteArray WithoutBlanks(QByteArrayView field) {
  QByteArray kept;
  for (const char c : field) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

void AppendNumber(QByteArray& line, int value, bool pad) {
  if (pad && value < 10) line += '0';
  line += QByteArray::number(value);
}

}  // namespace

void LineFormReader::Add(QByteArrayView raw, QStringView storedDate, int positionCount, QByteArrayView lineEnd) {
  const QStringView date = storedDate.trimmed();
  qsizetype cut = 0;
  while (cut < date.size() && date[cut].isDigit()) ++cut;
  const QList<QStringView> parts = cut < date.size() ? date.split(date[cut]) : QList<QStringView>();
  if (parts.size() == 3) {
    form.dateSeparator = static_cast<char>(date[cut].unicode());
    form.yearFirst = parts[0].size() == 4;
    form.fourDigitYear = (form.yearFirst ? parts[0] : parts[2]).size() == 4;
    LearnPadding((form.yearFirst ? parts[2] : parts[0]).toLatin1(), form.padDay);
    LearnPadding(parts[1].toLatin1(), form.padMonth);
  }
  QList<QByteArrayView> fields;
  for (qsizetype start = 0; fields.size() <= positionCount;) {
    const qsizetype comma = raw.indexOf(',', start);
    fields.append(raw.sliced(start, (comma < 0 ? raw.size() : comma) - start));
    if (comma < 0) break;
    start = comma + 1;
  }
  if (fields.size() > positionCount && positionCount >= 2) {
    form.afterDate = Separator(fields, 0);
    form.betweenNumbers = Separator(fields, 1);
    for (qsizetype p = 1; p <= positionCount; ++p) LearnPadding(WithoutBlanks(fields[p]), form.padNumbers);
  }
  if (!lineEnd.isEmpty()) form.lineEnd = lineEnd.toByteArray();
}

QByteArray FormatDrawLine(const LineForm& form, int key, const std::array<quint8, 7>& numbers, int count,
                          bool& widenedYear) {
  const int year = key / 10000;
  const int month = key / 100 % 100;
  const int day = key % 100;
  const bool twoDigitYear = !form.yearFirst && !form.fourDigitYear && year >= 1930 && year <= 2029;
  if (!form.yearFirst && !form.fourDigitYear && !twoDigitYear) widenedYear = true;
  const QByteArray yearText = twoDigitYear ? QByteArray::number(year % 100).rightJustified(2, '0')
                                           : QByteArray::number(year).rightJustified(4, '0');
  QByteArray line;
  if (form.yearFirst) {
    line += yearText;
    line += form.dateSeparator;
    AppendNumber(line, month, form.padMonth);
    line += form.dateSeparator;
    AppendNumber(line, day, form.padDay);
  } else {
    AppendNumber(line, day, form.padDay);
    line += form.dateSeparator;
    AppendNumber(line, month, form.padMonth);
    line += form.dateSeparator;
    line += yearText;
  }
  line += form.afterDate;
  for (int p = 0; p < count; ++p) {
    if (p > 0) line += form.betweenNumbers;
    AppendNumber(line, numbers[static_cast<size_t>(p)], form.padNumbers);
  }
  line += form.lineEnd;
  return line;
}

}  // namespace tombolix
