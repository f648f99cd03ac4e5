#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace tombolix {

// The orders a downloaded date may have its parts in.
enum class DateOrder : std::uint8_t { DayMonthYear = 1, YearMonthDay = 2, MonthDayYear = 4 };

// A date read as each order it fits: `orders` is a set of DateOrder bits, empty
// when the text is no date in any order. Parts are separated by one of / - .
// (the same twice); the year has two digits (00-29: 2000s, 30-99: 1900s) or four.
struct DateReading {
  std::uint8_t orders = 0;
  int parts[3] = {0, 0, 0};
  int year = 0;  // the year with its century, whichever place it took

  bool Fits(DateOrder order) const { return (orders & static_cast<std::uint8_t>(order)) != 0; }
};

DateReading ReadDate(QStringView text);

// The date as a sortable key, yyyymmdd; `reading` must fit `order`.
int DateKey(const DateReading& reading, DateOrder order);

// The order as the reports name it: "d/m/a", "a/m/d", "m/d/a".
QString DateOrderName(DateOrder order);

}  // namespace tombolix
