#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace tombolix {

// The orders a downloaded date may have its numbers in.
enum class DateOrder : std::uint8_t { DayMonthYear = 1, YearMonthDay = 2, MonthDayYear = 4 };

// A date as results files write it, read in every order it fits. Kept per row
// of big files, so it stays small.
struct DateReading {
  std::uint8_t orders = 0;  // DateOrder bits the numbers fit; every bit for a month name; 0: no date
  bool named = false;       // the month was written as a name
  std::uint8_t first = 0;   // day/month or month/day as written; day for named and four-digit year-first dates
  std::uint8_t second = 0;  // the other one
  int weekday = 0;          // 1 = Monday .. 7 = Sunday when written beside the date, else 0
  std::uint16_t year = 0;   // with its century
  // The last part when the date fits year first with a two-digit year: the
  // day of that reading, whose year is then `first` and month `second`.
  std::uint8_t shortYearDay = 0;

  bool Fits(DateOrder order) const { return (orders & static_cast<std::uint8_t>(order)) != 0; }
  // yyyymmdd as read in `order`, which the reading must fit.
  int Key(DateOrder order) const;
};

// Reads a date: numbers with the same separator (/ - .) twice, day and month of
// one or two digits, years of two digits (00-29: 2000s, 30-99: 1900s) or four,
// year first with four digits or with two and a two-digit day ("26.08.21" is
// 21 August 2026 as well as 26 August 2021); or a Spanish or English month name beside the
// day ("13-feb-2004", "13 de febrero de 2004", "Feb 13th, 2004"). A time after
// it is ignored; a weekday name before or after it is kept. Case and accents
// do not matter. Anything else is no date.
DateReading ReadDate(QStringView text);

int WeekdayOfKey(int key);               // 1 = Monday .. 7 = Sunday
QString DateOrderName(DateOrder order);  // "d/m/a", "a/m/d", "m/d/a"
QString KeyText(int key);                // "dd/mm/yyyy"

// Whether a yyyymmdd key is later than a week after `today`: no past draw.
bool IsFutureKey(int key, QDate today = QDate::currentDate());
// The last yyyymmdd key a past draw may have: a week after `today`. Readers of
// many rows work it out once and compare keys with it.
int LastPastDrawKey(QDate today);

// Decides over a whole file, fed one reading per row in file order, whether
// its numeric dates are day first, year first or month first. A form is out
// when a written weekday contradicts it while another form agrees, or when it
// cannot read a date another form reads; of the rest, the one whose dates
// break their order fewest times wins, then one reading no future date (see
// IsFutureKey). Never decides silently: `reason` says how, and `ask` says the
// user must choose. Keeps a few counts, not the rows.
class DateOrderVote {
 public:
  explicit DateOrderVote(QDate today = QDate::currentDate());

  void Add(const DateReading& reading, qsizetype line);
  void Add(const DateReading& reading) { Add(reading, 0); }

  struct Decision {
    std::optional<DateOrder> order;  // the form to read the file with
    bool ask = false;                // several forms read every date and nothing decides
    QString reason;                  // Spanish, one clause
  };
  Decision Decide() const;

 private:
  struct Form {
    qsizetype reads = 0;
    qsizetype agreements = 0;  // written weekdays that fall on its date
    qsizetype rises = 0;       // consecutive dates going up
    qsizetype falls = 0;       // and down
    int lastKey = 0;
    // The first date it cannot read while another form can.
    bool missed = false;
    qsizetype missLine = 0;
    DateReading missReading;
    // The first written weekday it contradicts while another form agrees.
    bool contradicted = false;
    qsizetype contradictLine = 0;
    // Dates it reads later than a week after today; the first of them.
    qsizetype future = 0;
    qsizetype futureLine = 0;
    int futureKey = 0;
  };
  std::array<Form, 3> forms;  // indexed by the index of the DateOrder bit
  int lastPastKey_;
  qsizetype dates = 0;
  qsizetype namedDates = 0;
  qsizetype shortYearFirst = 0;          // dates year first reads with a two-digit year
  std::array<qsizetype, 3> differing{};  // dates two forms read as two different days, by pair

  QString RuledOut(int form) const;
  QString FutureClause(int form) const;
  bool SameDays(unsigned set) const;
  Decision TwoForms() const;
  Decision OneForm(int winner) const;
  Decision AmongSeveral(unsigned alive) const;
};

}  // namespace tombolix
