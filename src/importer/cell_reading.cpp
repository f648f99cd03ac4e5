#include "importer/cell_reading.h"

#include "importer/date_forms.h"

#include <QString>

#include <algorithm>

namespace tombolix {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || (c & 0x80) != 0; }
bool IsListSeparator(char c) { return c == ' ' || c == '\t' || c == '-' || c == '/' || c == '+' || c == '|' || c == ','; }

bool HasCurrency(QByteArrayView cell) {
  static constexpr const char* kSigns[] = {"$", "\xE2\x82\xAC" /* euro */, "\xC2\xA3" /* pound */, "EUR", "USD"};
  return std::any_of(std::begin(kSigns), std::end(kSigns), [cell](const char* s) { return cell.contains(s); });
}

// "1.234.567,89", "20,000,000", "12.50", "3,5": digits with a group mark or a decimal mark.
bool IsGroupedOrDecimal(QByteArrayView cell) {
  qsizetype marks = 0;
  qsizetype digitsAfterLast = 0;
  for (const char c : cell) {
    if (IsDigit(c)) {
      ++digitsAfterLast;
    } else if (c == '.' || c == ',' || c == '\'') {
      if (digitsAfterLast == 0) return false;
      ++marks;
      digitsAfterLast = 0;
    } else {
      return false;
    }
  }
  return marks > 0 && digitsAfterLast > 0;
}

bool IsMultiplier(QByteArrayView cell) {
  if (cell.size() < 2 || cell.size() > 4) return false;
  const bool xFirst = (cell.front() | 0x20) == 'x';
  const bool xLast = (cell.back() | 0x20) == 'x';
  if (xFirst == xLast) return false;
  const QByteArrayView digits = xFirst ? cell.sliced(1) : cell.first(cell.size() - 1);
  return std::all_of(digits.begin(), digits.end(), IsDigit);
}

void ReadNumber(QByteArrayView cell, CellReading& r) {
  r.kind = CellKind::Number;
  r.count = 1;
  r.digits = static_cast<std::uint8_t>(std::min<qsizetype>(cell.size(), 255));
  r.leadingZero = cell.size() > 1 && cell.front() == '0';
  qint64 v = 0;
  for (const char c : cell) v = std::min<qint64>(v * 10 + (c - '0'), 999'999'999);
  r.value = v;
}

// Several numbers in one cell; false when anything else is there.
bool ReadList(QByteArrayView cell, CellReading& r) {
  int count = 0;
  int value = -1;
  int digits = 0;
  bool threeDigitPart = false;
  char mark = 0;
  bool mixedMarks = false;
  for (const char c : cell) {
    if (IsDigit(c)) {
      value = std::min((value < 0 ? 0 : value) * 10 + (c - '0'), 999);
      threeDigitPart = threeDigitPart || (++digits == 3 && count > 0);
      continue;
    }
    digits = 0;
    if (!IsListSeparator(c)) return false;
    if (c != ' ' && c != '\t') {
      if (mark != 0 && mark != c) mixedMarks = true;
      mark = c;
    }
    if (value >= 0) {
      if (count < kMaxCellNumbers) r.values[static_cast<size_t>(count)] = value;
      ++count;
      value = -1;
    }
  }
  if (value >= 0) {
    if (count < kMaxCellNumbers) r.values[static_cast<size_t>(count)] = value;
    ++count;
  }
  // "3,5" is a decimal, not two numbers; a date-like "7/1/23" was ruled out before.
  // "20,000,000" groups thousands.
  if (count < 2 || mixedMarks || (mark == ',' && (count == 2 || threeDigitPart))) return false;
  r.kind = CellKind::Numbers;
  r.count = static_cast<std::uint8_t>(std::min(count, 255));
  r.value = r.values[0];
  return true;
}

}  // namespace

CellReading ReadCell(QByteArrayView cell) {
  CellReading r;
  if (cell.isEmpty()) return r;
  if (std::all_of(cell.begin(), cell.end(), IsDigit)) {
    ReadNumber(cell, r);
    return r;
  }
  // A spreadsheet writes a whole number as "5.0" or "5,0".
  if (cell.size() >= 3 && cell.endsWith('0') && (cell[cell.size() - 2] == '.' || cell[cell.size() - 2] == ',') &&
      std::all_of(cell.begin(), cell.end() - 2, IsDigit)) {
    ReadNumber(cell.first(cell.size() - 2), r);
    return r;
  }
  if (HasCurrency(cell)) {
    r.kind = CellKind::Money;
    return r;
  }
  if (IsMultiplier(cell)) {
    r.kind = CellKind::Multiplier;
    return r;
  }
  const bool letters = std::any_of(cell.begin(), cell.end(), IsLetter);
  if (letters || cell.contains('/') || cell.count('-') == 2 || cell.count('.') == 2 || cell.contains(':')) {
    if (ReadDate(QString::fromUtf8(cell)).orders != 0) {
      r.kind = CellKind::Date;
      return r;
    }
  }
  if (letters) {
    r.kind = CellKind::Text;
    return r;
  }
  if (ReadList(cell, r)) return r;
  r.kind = IsGroupedOrDecimal(cell) ? CellKind::Money : CellKind::Other;
  return r;
}

}  // namespace tombolix
