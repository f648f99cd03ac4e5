#pragma once

#include "history/history.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

namespace tombolix {

// Copies `raw` into `line` without spaces and tabs, then removes the byte-order
// marks as they read in Windows-1252: "ÿþ", "þÿ", then "ï»¿", each in one
// left-to-right pass.
void NormaliseLine(QByteArrayView raw, QByteArray& line);

// The fields of a normalised line: f(0) the date, f(1)..f(7) the numbers, a
// missing number field read as the filler "100", a longer one cut to two characters.
class LineFields {
 public:
  explicit LineFields(QByteArrayView line);
  // Number of ","-separated fields of the whole line (fields past the eighth included).
  qsizetype FieldCount() const { return count; }
  QByteArrayView Field(int p) const;
  // True when f(1)..f(7) are all numeric and f(positionCount) is not a filler;
  // fills `numbers` with their values (0 where a value is outside 0..255).
  bool NumbersValid(int positionCount, std::array<quint8, kMaxPositions>& numbers) const;

 private:
  QByteArrayView line;
  std::array<qsizetype, kMaxPositions + 1> start{};
  std::array<qsizetype, kMaxPositions + 1> end{};
  qsizetype count = 0;
};

// The value of a number field as the loader reads it: one or two characters of
// an optional sign, digits and an optional decimal point, or the filler.
// False when the field is not numeric; `value` is then unchanged.
bool NumericFieldValue(QByteArrayView field, quint8& value);

}  // namespace tombolix
