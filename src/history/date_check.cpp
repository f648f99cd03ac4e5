#include "history/date_check.h"

namespace tombolix {

namespace {

struct DatePart {
  int value = 0;
  int digits = 0;
};

bool IsSeparator(QChar c) { return c == u'/' || c == u'-' || c == u'.'; }

// Reads a run of ASCII digits from `pos`; at most five are read (no part is longer).
DatePart ReadDigits(QStringView text, qsizetype& pos) {
  DatePart part;
  while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9' && part.digits < 5) {
    part.value = part.value * 10 + (text[pos].unicode() - u'0');
    ++part.digits;
    ++pos;
  }
  return part;
}

bool IsDayOrMonth(const DatePart& part) { return part.digits == 1 || part.digits == 2; }

std::optional<int> KeyOf(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

bool IsValidDate(int year, int month, int day) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  return day <= (month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1]);
}

std::optional<int> AcceptedDateKey(QStringView text) {
  qsizetype pos = 0;
  const DatePart first = ReadDigits(text, pos);
  if (pos >= text.size() || !IsSeparator(text[pos])) return std::nullopt;
  const QChar separator = text[pos++];
  const DatePart middle = ReadDigits(text, pos);
  if (pos >= text.size() || text[pos] != separator) return std::nullopt;
  ++pos;
  const DatePart last = ReadDigits(text, pos);
  if (pos != text.size() || !IsDayOrMonth(middle)) return std::nullopt;

  if (first.digits == 4 && IsDayOrMonth(last)) return KeyOf(first.value, middle.value, last.value);
  if (!IsDayOrMonth(first)) return std::nullopt;
  if (last.digits == 4) return KeyOf(last.value, middle.value, first.value);
  if (last.digits == 2)
    return KeyOf(FullYearOfTwoDigits(last.value), middle.value, first.value);
  return std::nullopt;
}

bool IsAcceptedDate(QStringView text) { return AcceptedDateKey(text).has_value(); }

}  // namespace tombolix
