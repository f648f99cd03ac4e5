#include "importer/date_forms.h"

namespace tombolix {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsCalendarDate(int year, int month, int day) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  return day <= (month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1]);
}

// Splits "a?b?c" at the same separator twice; each part 1 to 4 ASCII digits.
bool SplitParts(QStringView text, int values[3], int digits[3]) {
  QChar separator;
  int part = 0;
  values[0] = values[1] = values[2] = 0;
  digits[0] = digits[1] = digits[2] = 0;
  for (const QChar c : text) {
    if (c >= u'0' && c <= u'9') {
      if (++digits[part] > 4) return false;
      values[part] = values[part] * 10 + (c.unicode() - u'0');
    } else if ((c == u'/' || c == u'-' || c == u'.') && part < 2 && digits[part] > 0 &&
               (separator.isNull() || c == separator)) {
      separator = c;
      ++part;
    } else {
      return false;
    }
  }
  return part == 2 && digits[2] > 0;
}

int FullYear(int value, int digits) {
  if (digits == 4) return value;
  if (digits == 2) return value < 30 ? 2000 + value : 1900 + value;
  return -1;
}

struct Ymd {
  int year, month, day;
};

Ymd InOrder(const DateReading& r, DateOrder order) {
  switch (order) {
    case DateOrder::YearMonthDay:
      return {r.year, r.parts[1], r.parts[2]};
    case DateOrder::MonthDayYear:
      return {r.year, r.parts[0], r.parts[1]};
    case DateOrder::DayMonthYear:
      break;
  }
  return {r.year, r.parts[1], r.parts[0]};
}

}  // namespace

DateReading ReadDate(QStringView text) {
  DateReading reading;
  int digits[3];
  if (!SplitParts(text, reading.parts, digits)) return reading;
  if (digits[0] == 4 && digits[1] <= 2 && digits[2] <= 2) {
    reading.year = reading.parts[0];
    if (IsCalendarDate(reading.year, reading.parts[1], reading.parts[2])) {
      reading.orders |= static_cast<std::uint8_t>(DateOrder::YearMonthDay);
    }
    return reading;
  }
  if (digits[0] > 2 || digits[1] > 2) return reading;
  reading.year = FullYear(reading.parts[2], digits[2]);
  if (IsCalendarDate(reading.year, reading.parts[1], reading.parts[0])) {
    reading.orders |= static_cast<std::uint8_t>(DateOrder::DayMonthYear);
  }
  if (IsCalendarDate(reading.year, reading.parts[0], reading.parts[1])) {
    reading.orders |= static_cast<std::uint8_t>(DateOrder::MonthDayYear);
  }
  return reading;
}

int DateReading::Key(DateOrder order) const {
  const Ymd d = InOrder(*this, order);
  return d.year * 10000 + d.month * 100 + d.day;
}

int WeekdayOfKey(int) { return 0; }

QString KeyText(int key) {
  return QStringLiteral("%1/%2/%3").arg(key % 100, 2, 10, QLatin1Char('0')).arg(key / 100 % 100, 2, 10, QLatin1Char('0')).arg(key / 10000, 4, 10, QLatin1Char('0'));
}

void DateOrderVote::Add(const DateReading& r, qsizetype) {
  if (!r.orders) return;
  ++dated_;
  for (int o = 0; o < 3; ++o) fits_[o] += (r.orders >> o) & 1;
}

DateOrderVote::Decision DateOrderVote::Decide() const {
  Decision d;
  if (fits_[1] == dated_) { d.order = DateOrder::YearMonthDay; return d; }
  if (fits_[0] == dated_ && fits_[2] == dated_) { d.ask = true; d.reason = QStringLiteral("todas las fechas se leen como d/m/a y como m/d/a"); return d; }
  if (fits_[0] == dated_) { d.order = DateOrder::DayMonthYear; return d; }
  if (fits_[2] == dated_) { d.order = DateOrder::MonthDayYear; return d; }
  d.reason = QStringLiteral("las fechas están en dos formas");
  return d;
}

QString DateOrderName(DateOrder order) {
  switch (order) {
    case DateOrder::YearMonthDay:
      return QStringLiteral("a/m/d");
    case DateOrder::MonthDayYear:
      return QStringLiteral("m/d/a");
    case DateOrder::DayMonthYear:
      break;
  }
  return QStringLiteral("d/m/a");
}

}  // namespace tombolix
