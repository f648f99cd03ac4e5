#pragma once

#include <QStringView>

#include <optional>

namespace tombolix {

// Whether the date exists in the Gregorian calendar, for years 0100-9999.
bool IsValidDate(int year, int month, int day);
// The year a two-digit year stands for: 00-29 are 2000-2029, 30-99 are 1930-1999.
constexpr int FullYearOfTwoDigits(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// True for exactly the date forms history files may use: the same separator
// ('/', '-' or '.') twice, one- or two-digit day and month; day first with a
// year of two or four digits, or year first with four digits; two-digit years
// 00-29 are 2000-2029 and 30-99 are 1930-1999; four-digit years 0100-9999; the
// date must exist in the calendar.
bool IsAcceptedDate(QStringView text);

// The date of an accepted date text as yyyymmdd (20230107 for "7/1/23"); none
// for a text IsAcceptedDate refuses.
std::optional<int> AcceptedDateKey(QStringView text);

}  // namespace tombolix
