#include "importer/date_forms.h"

#include "history/date_check.h"
#include "importer/date_words.h"

namespace tombolix {

namespace {

constexpr std::uint8_t kEveryOrder = 7;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

struct Number {
  int value = 0;
  int digits = 0;  // more than 5 are counted but not added up
};

// The text being read and how far; every step reads in place, no copy is made.
struct Cursor {
  QStringView text;
  qsizetype pos = 0;

  char16_t Peek(qsizetype ahead = 0) const { return pos + ahead < text.size() ? text[pos + ahead].unicode() : 0; }
  bool AtEnd() const { return pos >= text.size(); }
  bool Take(char16_t c) {
    if (Lower(Peek()) != c) return false;
    ++pos;
    return true;
  }
  bool SkipSpaces() {
    const qsizetype start = pos;
    while (IsSpace(Peek())) ++pos;
    return pos > start;
  }
  Number ReadNumber() {
    Number n;
    for (; IsDigit(Peek()); ++pos) {
      if (++n.digits <= 5) n.value = n.value * 10 + (Peek() - u'0');
    }
    return n;
  }
  DateWord ReadWord() { return ReadDateWord(text, pos); }
  // Takes `word` when it is the next whole word.
  bool TakeWord(std::string_view word) {
    Cursor ahead = *this;
    if (ahead.ReadWord().View() != word) return false;
    *this = ahead;
    return true;
  }
};

int FullYear(const Number& year) {
  if (year.digits == 4) return year.value;
  if (year.digits == 2) return FullYearOfTwoDigits(year.value);
  return -1;
}

bool IsDayOrMonth(const Number& n) { return n.digits == 1 || n.digits == 2; }

void Keep(DateReading& r, int first, int second, int year) {
  r.first = static_cast<std::uint8_t>(first);
  r.second = static_cast<std::uint8_t>(second);
  r.year = static_cast<std::uint16_t>(year);
}

// a?b?c, numbers only: the orders it fits.
bool FitNumbers(const Number& a, const Number& b, const Number& c, DateReading& r) {
  if (!IsDayOrMonth(b)) return false;
  if (a.digits == 4 && IsDayOrMonth(c)) {
    if (!IsValidDate(a.value, b.value, c.value)) return false;
    r.orders = static_cast<std::uint8_t>(DateOrder::YearMonthDay);
    Keep(r, c.value, b.value, a.value);
    return true;
  }
  const int year = FullYear(c);
  if (!IsDayOrMonth(a)) return false;
  if (IsValidDate(year, b.value, a.value)) r.orders |= static_cast<std::uint8_t>(DateOrder::DayMonthYear);
  if (IsValidDate(year, a.value, b.value)) r.orders |= static_cast<std::uint8_t>(DateOrder::MonthDayYear);
  // yy.mm.dd, the day of two digits too.
  if (a.digits == 2 && c.digits == 2 && IsValidDate(FullYearOfTwoDigits(a.value), b.value, c.value)) {
    r.orders |= static_cast<std::uint8_t>(DateOrder::YearMonthDay);
    r.shortYearDay = static_cast<std::uint8_t>(c.value);
  }
  Keep(r, a.value, b.value, year);
  return r.orders != 0;
}

bool FitNamed(const Number& day, int month, const Number& year, DateReading& r) {
  const int fullYear = FullYear(year);
  if (!IsDayOrMonth(day) || !IsValidDate(fullYear, month, day.value)) return false;
  r.orders = kEveryOrder;
  r.named = true;
  Keep(r, day.value, month, fullYear);
  return true;
}

// "st", "nd", "rd" or "th" after a day, as English writes it for that day.
bool TakeOrdinal(Cursor& c, int day) {
  const char16_t a = Lower(c.Peek());
  const char16_t b = Lower(c.Peek(1));
  if (!IsDateLetter(QChar(a)) || IsDateLetter(QChar(c.Peek(2)))) return true;
  const int last = day % 100 >= 11 && day % 100 <= 13 ? 0 : day % 10;
  const char16_t* want = last == 1 ? u"st" : last == 2 ? u"nd" : last == 3 ? u"rd" : u"th";
  if (a != want[0] || b != want[1]) return false;
  c.pos += 2;
  return true;
}

// What stands between a month name (or the day after it) and the year: a
// dot, a comma, spaces, "de" or "del"; at least one of them.
bool TakeBeforeYear(Cursor& c) {
  const qsizetype start = c.pos;
  c.Take(u'.');
  c.SkipSpaces();
  if (c.Take(u',')) c.SkipSpaces();
  if (c.pos > start && (c.TakeWord("de") || c.TakeWord("del")) && !c.SkipSpaces()) return false;
  return c.pos > start && IsDigit(c.Peek());
}

// "13 feb 2004", "13th February, 2004", "13 de febrero de 2004": from after the day.
bool ReadDayThenName(Cursor& c, const Number& day, DateReading& r) {
  if (!TakeOrdinal(c, day.value) || !c.SkipSpaces()) return false;
  if (c.TakeWord("de") && !c.SkipSpaces()) return false;
  const int month = MonthOfWord(c.ReadWord().View());
  if (month == 0 || !TakeBeforeYear(c)) return false;
  return FitNamed(day, month, c.ReadNumber(), r);
}

// "Feb 13, 2004", "February 13th 2004", "febrero 13 de 2004".
bool ReadNameThenDay(Cursor& c, DateReading& r) {
  const int month = MonthOfWord(c.ReadWord().View());
  if (month == 0) return false;
  const bool dot = c.Take(u'.');
  if (!c.SkipSpaces() && !dot) return false;
  const Number day = c.ReadNumber();
  if (!TakeOrdinal(c, day.value)) return false;
  if (!TakeBeforeYear(c)) return false;
  return FitNamed(day, month, c.ReadNumber(), r);
}

// The date itself: numbers with a separator, or a month name beside the day.
bool ReadDateCore(Cursor& c, DateReading& r) {
  if (!IsDigit(c.Peek())) return ReadNameThenDay(c, r);
  const Number a = c.ReadNumber();
  const char16_t separator = c.Peek();
  if (separator != u'/' && separator != u'-' && separator != u'.') return ReadDayThenName(c, a, r);
  ++c.pos;
  if (IsDigit(c.Peek())) {
    const Number b = c.ReadNumber();
    if (!c.Take(separator)) return false;
    return FitNumbers(a, b, c.ReadNumber(), r);
  }
  const int month = MonthOfWord(c.ReadWord().View());
  if (month == 0 || !c.Take(separator)) return false;
  return FitNamed(a, month, c.ReadNumber(), r);
}

bool TakeTwoDigits(Cursor& c, int limit) {
  const Number n = c.ReadNumber();
  return n.digits == 2 && n.value <= limit;
}

// "am", "pm", "a.m.", "p.m.".
bool TakeMeridiem(Cursor& c) {
  Cursor ahead = c;
  if (!ahead.Take(u'a') && !ahead.Take(u'p')) return false;
  ahead.Take(u'.');
  if (!ahead.Take(u'm')) return false;
  ahead.Take(u'.');
  if (IsDateLetter(QChar(ahead.Peek()))) return false;
  c = ahead;
  return true;
}

// hh:mm[:ss[.fff]] with am/pm or a zone (Z, +hh:mm), or 21h30.
bool TakeClock(Cursor& c) {
  const Number hour = c.ReadNumber();
  if (!IsDayOrMonth(hour)) return false;
  if (c.Take(u'h')) return TakeTwoDigits(c, 59);
  if (!c.Take(u':') || !TakeTwoDigits(c, 59)) return false;
  if (c.Take(u':')) {
    if (!TakeTwoDigits(c, 60)) return false;
    if (c.Take(u'.') || c.Take(u',')) {
      const Number fraction = c.ReadNumber();
      if (fraction.digits < 1 || fraction.digits > 9) return false;
    }
  }
  Cursor spaced = c;
  spaced.SkipSpaces();
  if (TakeMeridiem(spaced)) {
    c = spaced;
    return hour.value >= 1 && hour.value <= 12;
  }
  if (hour.value > 23) return false;
  if (c.Take(u'z')) return true;
  if (c.Peek() == u'+' || (c.Peek() == u'-' && IsDigit(c.Peek(1)))) {
    ++c.pos;
    if (!TakeTwoDigits(c, 14)) return false;
    c.Take(u':');
    return TakeTwoDigits(c, 59);
  }
  return true;
}

// A time after the date, when there is one: "T00:00:00Z", " 21:30", " 9:05 PM".
void TakeTime(Cursor& c) {
  Cursor ahead = c;
  if (!ahead.Take(u't') && !ahead.SkipSpaces()) return;
  if (IsDigit(ahead.Peek()) && TakeClock(ahead)) c = ahead;
}

// The weekday name after the date: " vie", ", viernes", " (vie.)".
int TakeWeekdayAfter(Cursor& c) {
  Cursor ahead = c;
  bool apart = ahead.SkipSpaces();
  // "06/01/2013 - Domingo": a dash between needs blanks around it, or it would read as a date part.
  const bool dash = apart && (ahead.Take(u'-') || ahead.Take(u'\u2013') || ahead.Take(u'\u2014'));
  if (dash && !ahead.SkipSpaces()) return 0;
  if (!dash && ahead.Take(u',')) {
    apart = true;
    ahead.SkipSpaces();
  }
  const bool bracket = ahead.Take(u'(');
  if (!apart && !bracket) return 0;
  const int weekday = WeekdayOfWord(ahead.ReadWord().View());
  ahead.Take(u'.');
  if (weekday == 0 || (bracket && !ahead.Take(u')'))) return 0;
  c = ahead;
  return weekday;
}

// The date with its time and a weekday after it, up to the end of the text.
bool ReadDateToEnd(Cursor& c, DateReading& r) {
  if (!ReadDateCore(c, r)) return false;
  TakeTime(c);
  if (r.weekday == 0) r.weekday = TakeWeekdayAfter(c);
  return c.AtEnd();
}

// A weekday name before the date: "vie 13/02/2004", "Viernes, 13/02/2004",
// "Wed. Sep 04, 2019". "mar" may be martes or marzo: it is the weekday only
// when a whole date follows it.
bool ReadAfterWeekday(Cursor c, DateReading& r) {
  const int weekday = WeekdayOfWord(c.ReadWord().View());
  if (weekday == 0) return false;
  const bool dot = c.Take(u'.');
  const bool comma = c.Take(u',');
  if (!c.SkipSpaces() && !dot && !comma) return false;
  // "Domingo - 06/01/2013"
  if ((c.Take(u'-') || c.Take(u'\u2013') || c.Take(u'\u2014')) && !c.SkipSpaces()) return false;
  r.weekday = weekday;
  if (ReadDateToEnd(c, r)) return true;
  r = DateReading();
  return false;
}

}  // namespace

int DateReading::Key(DateOrder order) const {
  if (order == DateOrder::YearMonthDay && shortYearDay != 0)
    return FullYearOfTwoDigits(first) * 10000 + second * 100 + shortYearDay;
  const bool monthFirst = order == DateOrder::MonthDayYear && !named;
  return year * 10000 + (monthFirst ? first * 100 + second : second * 100 + first);
}

DateReading ReadDate(QStringView text) {
  Cursor c{text.trimmed()};
  DateReading r;
  if (c.AtEnd()) return r;
  if (!IsDigit(c.Peek()) && ReadAfterWeekday(c, r)) return r;
  if (ReadDateToEnd(c, r)) return r;
  return DateReading();
}

int WeekdayOfKey(int key) {
  // Days since 1 March of year 0 in the proleptic Gregorian calendar.
  const int month = key / 100 % 100;
  const int y = key / 10000 - (month <= 2 ? 1 : 0);
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + key % 100 - 1;
  const int days = era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return (days + 2) % 7 + 1;  // 1 March of year 0 was a Wednesday
}

int LastPastDrawKey(QDate today) {
  const QDate last = today.addDays(7);
  return last.year() * 10000 + last.month() * 100 + last.day();
}

bool IsFutureKey(int key, QDate today) { return key > LastPastDrawKey(today); }

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

QString KeyText(int key) {
  return QStringLiteral("%1/%2/%3")
      .arg(key % 100, 2, 10, QLatin1Char('0'))
      .arg(key / 100 % 100, 2, 10, QLatin1Char('0'))
      .arg(key / 10000, 4, 10, QLatin1Char('0'));
}

}  // namespace tombolix
