// Dates as results files write them, and the vote on a whole file between
// day first, year first and month first.
#include "importer/date_forms.h"

#include "history/date_check.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tombolix {
namespace {

constexpr std::uint8_t kD = 1;  // DateOrder bits
constexpr std::uint8_t kY = 2;
constexpr std::uint8_t kM = 4;
constexpr std::uint8_t kAll = 7;
constexpr std::uint8_t kNamed = 0x80 | kAll;  // every order, by a month name

struct ReadCase {
  const char* text;
  std::uint8_t orders;  // 0: no date
  int key;              // day first when it fits, else as the one order read
  int weekday;
};

const ReadCase kReadCases[] = {
    // Numbers in each order (the calendar: the test below; two-digit years: kKeyCases).
    {"13.2.2004", kD, 20040213, 0},
    {"2-13-2004", kM, 20040213, 0},
    {"2004-2-13", kY, 20040213, 0},
    {" 05/05/0100 ", kD | kM, 1000505, 0},
    // A time after it.
    {"1992-02-04 00:00:00", kY, 19920204, 0},
    {"13/02/2004 21:30", kD, 20040213, 0},
    {"2004-02-13T00:00:00Z", kY, 20040213, 0},
    {"2004-02-13T00:00:00.250+01:00", kY, 20040213, 0},
    {"02/13/2004 9:05 PM", kM, 20040213, 0},
    {"13/02/2004 9:05 p.m.", kD, 20040213, 0},
    {"13/02/2004 21h30", kD, 20040213, 0},
    // A weekday before or after it.
    {"vie 13/02/2004", kD, 20040213, 5},
    {"Viernes, 13/02/2004", kD, 20040213, 5},
    {"13/02/2004 (vie)", kD, 20040213, 5},
    {"13/02/2004 21:30, viernes", kD, 20040213, 5},
    {"Fri 02/13/2004", kM, 20040213, 5},
    {"MIÉRCOLES 04/09/2019", kD | kM, 20190904, 3},
    {"sáb. 14/02/2004", kD, 20040214, 6},
    {"Thurs 12/02/2004", kD | kM, 20040212, 4},
    {"mar 10/02/2004", kD | kM, 20040210, 2},
    // Month names.
    {"13-feb-2004", kNamed, 20040213, 0},
    {"13/Feb/2004", kNamed, 20040213, 0},
    {"13-FEB-04", kNamed, 20040213, 0},
    {"13 de febrero de 2004", kNamed, 20040213, 0},
    {"13 de Febrero del 2004", kNamed, 20040213, 0},
    {"Feb 13, 2004", kNamed, 20040213, 0},
    {"February 13 2004", kNamed, 20040213, 0},
    {"febrero 13, 2004", kNamed, 20040213, 0},
    {"Feb 13th, 2004", kNamed, 20040213, 0},
    {"1st March 2004", kNamed, 20040301, 0},
    {"Mar 2nd, 2004", kNamed, 20040302, 0},
    {"23rd sept. 1999", kNamed, 19990923, 0},
    {"1 set 30", kNamed, 19300901, 0},
    {"Wed. Sep 04, 2019", kNamed, 20190904, 3},
    {"mar 2 mar 2004", kNamed, 20040302, 2},
    {"mar 13, 2004", kNamed, 20040313, 0},
    // No date.
    {"07-09", 0, 0, 0},
    {"07/09-2004", 0, 0, 0},
    {"4O/01/2023", 0, 0, 0},
    {"2004", 0, 0, 0},
    {"$20,000", 0, 0, 0},
    {"20.000.000", 0, 0, 0},
    {"", 0, 0, 0},
    {"13/02/04/2004", 0, 0, 0},
    {"26.08.5", 0, 0, 0},
    {"04/2004/02", 0, 0, 0},
    {"20040213", 0, 0, 0},
    {"13/02/2004 25:00", 0, 0, 0},
    {"13/02/2004 x", 0, 0, 0},
    {"v 13/02/2004", 0, 0, 0},
    {"13 febr 2004", 0, 0, 0},
    {"2nd Feb 2004 1st", 0, 0, 0},
    {"Feb 13st, 2004", 0, 0, 0},
    {"13 de febrero", 0, 0, 0},
    {"30 feb 2004", 0, 0, 0},
    {"Viernes", 0, 0, 0},
};

// The loader and the importer share one calendar and one two-digit year: a
// day-first date exists for both or for neither. Month first is the importer's alone.
TEST(DateForms, TheLoaderAndTheImporterAgreeOnTheCalendar) {
  struct Case {
    const char16_t* text;
    bool exists;
  };
  for (const Case& c :
       {Case{u"29/02/2000", true}, Case{u"29/02/2024", true}, Case{u"29/02/1900", false}, Case{u"29/02/2023", false},
        Case{u"31/04/2023", false}, Case{u"30/04/2023", true}, Case{u"31/12/9999", true}, Case{u"00/01/2023", false},
        Case{u"29/02/00", true}, Case{u"29/02/30", false}, Case{u"31/01/0099", false}}) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(IsAcceptedDate(text), c.exists) << text.toStdString();
    EXPECT_EQ(ReadDate(text).Fits(DateOrder::DayMonthYear), c.exists) << text.toStdString();
  }
  EXPECT_FALSE(IsAcceptedDate(u"12/31/2023"));
  EXPECT_TRUE(ReadDate(u"12/31/2023").Fits(DateOrder::MonthDayYear));
}

TEST(DateForms, ReadsTheShapesResultsFilesUse) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.text);
    const DateReading r = ReadDate(QString::fromUtf8(c.text));
    const std::uint8_t orders = c.orders & kAll;
    EXPECT_EQ(r.orders, orders);
    if (r.orders != orders || orders == 0) continue;
    const DateOrder order = (orders & kD) != 0 ? DateOrder::DayMonthYear : static_cast<DateOrder>(orders);
    EXPECT_EQ(r.Key(order), c.key);
    EXPECT_EQ(r.named, c.orders == kNamed);
    EXPECT_EQ(r.weekday, c.weekday);
  }
}

struct KeyCase {
  const char* text;
  std::uint8_t orders;
  int keys[3];  // read as d/m/a, a/m/d and m/d/a; 0 where it does not fit
};

// Two-digit years (00-29: 2000s, 30-99: 1900s), first or last.
const KeyCase kKeyCases[] = {
    {"07/01/29", kD | kY | kM, {20290107, 20070129, 20290701}},
    {"07/01/30", kD | kY | kM, {19300107, 20070130, 19300701}},
    {"26.08.21", kD | kY, {20210826, 20260821, 0}},
    {"30-01-15", kD | kY, {20150130, 19300115, 0}},
    {"99-12-31", kY, {0, 19991231, 0}},
    {"00.02.29", kY, {0, 20000229, 0}},
    {"01.02.29", kD | kM, {20290201, 0, 20290102}},
    {"04/03/2005", kD | kM, {20050304, 0, 20050403}},
    {"2004-2-13", kY, {0, 20040213, 0}},
};

TEST(DateForms, KeysOfEveryOrderAReadingFits) {
  constexpr DateOrder kOrders[3] = {DateOrder::DayMonthYear, DateOrder::YearMonthDay, DateOrder::MonthDayYear};
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.text);
    const DateReading r = ReadDate(QString::fromUtf8(c.text));
    EXPECT_EQ(r.orders, c.orders);
    for (size_t i = 0; i < 3; ++i) {
      if (r.Fits(kOrders[i])) {
        EXPECT_EQ(r.Key(kOrders[i]), c.keys[i]) << DateOrderName(kOrders[i]).toStdString();
      }
    }
  }
}

TEST(DateForms, FutureIsLaterThanAWeekAfterToday) {
  EXPECT_FALSE(IsFutureKey(20260608, QDate(2026, 6, 1)));
  EXPECT_TRUE(IsFutureKey(20260609, QDate(2026, 6, 1)));
  EXPECT_FALSE(IsFutureKey(20270104, QDate(2026, 12, 28)));
  EXPECT_TRUE(IsFutureKey(20270105, QDate(2026, 12, 28)));
  EXPECT_FALSE(IsFutureKey(20000101));
  EXPECT_TRUE(IsFutureKey(99991231));
}

TEST(DateForms, WeekdaysAndTextsOfKeys) {
  // Checked against a calendar: a Friday, a Tuesday, a Saturday and a Monday.
  EXPECT_EQ(WeekdayOfKey(20040213), 5);
  EXPECT_EQ(WeekdayOfKey(20000229), 2);
  EXPECT_EQ(WeekdayOfKey(19000101), 1);
  EXPECT_EQ(WeekdayOfKey(1000301), 1);
  EXPECT_EQ(KeyText(1000505), QStringLiteral("05/05/0100"));
}

struct VoteCase {
  const char* name;
  std::initializer_list<const char*> dates;
  std::uint8_t order;  // 0: none
  bool ask;
  const char* fragment;  // in the reason
};

const VoteCase kVoteCases[] = {
    {"a day above 12 rules month first out", {"01/02/2004", "13/02/2004"}, kD, false, "línea 2 (13 de febrero"},
    {"a month above 12 rules day first out", {"01/02/2004", "02/13/2004"}, kM, false, "no se lee como d/m/a"},
    {"year first", {"2004-02-13", "2004-02-14"}, kY, false, "año primero"},
    {"weekdays decide", {"lun 01/03/2004", "mar 02/03/2004", "04/03/2004"}, kD, false, "concuerdan con 2 fechas"},
    {"weekdays decide month first", {"Thu 02/05/2004", "03/04/2004"}, kM, false, "mes primero"},
    {"a wrong weekday decides nothing", {"vie 02/03/2004", "03/03/2004"}, 0, true, "como d/m/a y como m/d/a"},
    {"ascending", {"05/01/2004", "12/01/2004", "03/02/2004", "10/02/2004"}, kD, false, "desordenan una vez"},
    {"descending, month first",
     {"02/10/2004", "02/03/2004", "01/12/2004", "01/05/2004"},
     kM,
     false,
     "mes primero: así las fechas van en orden"},
    {"nothing decides", {"01/02/2004", "02/03/2004"}, 0, true, "como d/m/a y como m/d/a"},
    {"two forms", {"01/02/2004", "13/02/2004", "02/14/2004"}, 0, false, "dos formas"},
    {"year first and day first", {"2004-02-13", "14/02/2004", "2004-02-15"}, 0, false, "dos formas"},
    {"weekday against impossible date", {"lun 01/03/2004", "03/13/2004"}, 0, false, "día de la semana de la línea 1"},
    {"month names", {"13 feb 2004", "Feb 14, 2004"}, kD, false, "nombre"},
    {"same day either way", {"05/05/2004", "06/06/2004"}, kD, false, "mismo día"},
    {"undated rows do not vote", {"hoy", "13/02/2004", ""}, kD, false, "línea 2"},
    {"no dates", {"hoy"}, 0, false, "ninguna fecha"},
    // Two-digit years first, from 2023-2026: d/m/a reads them as 2003-2031.
    {"yy.mm.dd in order",
     {"25.12.20", "25.12.27", "26.01.03", "26.01.10"},
     kY,
     false,
     "año primero: así las fechas van en orden, y como d/m/a se desordenan una vez"},
    {"yy.mm.dd read in the future as d/m/a",
     {"23.05.27", "24.05.28"},
     kY,
     false,
     "año primero: como d/m/a se leen 2 fechas futuras, la primera la de la línea 1 (23 de mayo de 2027)"},
    {"yy.mm.dd weekdays",
     {"vie 23.01.13", "vie 23.01.20"},
     kY,
     false,
     "concuerdan con 2 fechas leídas así y con 0 leídas como d/m/a"},
    {"yy.mm.dd, nothing decides",
     {"23.05.05", "23.05.12"},
     0,
     true,
     "todas las fechas se leen como d/m/a y como a/m/d, y su orden"},
    // From 2004-2012 every form reads them, none in the future.
    {"yy-mm-dd in order",
     {"08-01-03", "08-01-10", "08-01-17", "08-01-24", "08-02-07"},
     kY,
     false,
     "van en orden, y como d/m/a se desordenan una vez, y como m/d/a se desordenan una vez"},
    {"yy/mm/dd, nothing decides",
     {"04/03/05", "04/03/12", "04/03/19"},
     0,
     true,
     "todas las fechas se leen como d/m/a, como a/m/d y como m/d/a, y su orden no decide"},
    {"the day repeats the year", {"21.08.21"}, kD, false, "mismo día leída como d/m/a o como a/m/d"},
};

TEST(DateForms, VoteDecidesOrAsks) {
  for (const VoteCase& c : kVoteCases) {
    SCOPED_TRACE(c.name);
    DateOrderVote vote(QDate(2026, 6, 1));
    qsizetype line = 0;
    for (const char* date : c.dates) vote.Add(ReadDate(QString::fromUtf8(date)), ++line);
    const DateOrderVote::Decision d = vote.Decide();
    EXPECT_EQ(d.order ? static_cast<std::uint8_t>(*d.order) : 0, c.order) << d.reason.toStdString();
    EXPECT_EQ(d.ask, c.ask);
    EXPECT_TRUE(d.reason.contains(QString::fromUtf8(c.fragment))) << d.reason.toStdString();
  }
}

}  // namespace
}  // namespace tombolix
