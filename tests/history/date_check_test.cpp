#include "history/date_check.h"

#include <QString>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

bool Accepted(const char* text) { return IsAcceptedDate(QString::fromUtf8(text)); }

TEST(DateCheck, DayFirstAndYearFirstFormsThatExist) {
  for (const char* text : {"07/01/2023", "7/1/2023", "7-1-23", "7.1.23", "23/01/07", "2023-01-07", "2023/1/7",
                           "2023.01.07", "1/1/0100", "0100/1/1", "31/05/2023", "29/02/28", "29/02/96"}) {
    EXPECT_TRUE(Accepted(text)) << text;
  }
}

TEST(DateCheck, RejectsEverythingElse) {
  for (const char* text :
       {// not in the calendar (leap years: the importer's calendar test)
        "30/02/2024", "0/1/2023", "1/0/2023", "32/1/2023", "1/13/2023", "2023-00-10", "2023-02-00", "02/29/2024",
        // not one of the forms
        "", "2023", "07/01", "/01/2023", "07//2023", "07/01/", "07/01/2023/", "07/01-2023", "2023.01/07", "007/01/2023",
        "07/001/2023", "7/1/123", "7/1/12345", "7/1/1", "01/01/0099", "0099/01/01", "2023/01/2023", "12/2023/01",
        "23/01/2023x", " 7/1/2023", "+7/1/2023", "7,1,2023", "7\\1\\2023", "\xEF\xBC\x91/1/2023", "2023-1-007"}) {
    EXPECT_FALSE(Accepted(text)) << text;
  }
}

TEST(DateCheck, KeysReadDayFirstAndYearFirstAlike) {
  struct Case {
    const char* text;
    int key;
  };
  for (const Case& c : {Case{"7/1/23", 20230107}, Case{"07-01-1930", 19300107}, Case{"31.12.30", 19301231},
                        Case{"29/02/00", 20000229}, Case{"2023-12-1", 20231201}, Case{"1/1/0100", 1000101}}) {
    EXPECT_EQ(AcceptedDateKey(QString::fromUtf8(c.text)), c.key) << c.text;
  }
  EXPECT_FALSE(AcceptedDateKey(u"30/02/2024").has_value());
}

}  // namespace
}  // namespace tombolix
