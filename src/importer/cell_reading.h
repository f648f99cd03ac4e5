#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace tombolix {

// What one cell of a results file holds, as far as draw numbers go.
enum class CellKind : std::uint8_t {
  Empty,
  Number,      // one whole number: "7", "07", "047"
  Numbers,     // several, split by blanks, dashes, slashes, plus signs, bars or commas: "07 12 33", "07-09"
  Money,       // a currency sign, thousands groups or decimals: "$20,000,000", "1.234,56", "12.5"
  Multiplier,  // "2X", "x10"
  Date,        // reads as a date: never split into numbers
  Text,        // holds letters
  Other,
};

inline constexpr int kMaxCellNumbers = 8;

struct CellReading {
  CellKind kind = CellKind::Empty;
  std::uint8_t count = 0;  // numbers read (Number: 1)
  std::uint8_t digits = 0;  // Number: how many digits it was written with
  bool leadingZero = false;
  qint64 value = 0;  // Number: its value (capped); Numbers: the first
  std::array<int, kMaxCellNumbers> values{};  // Numbers: up to kMaxCellNumbers, each capped at 999
};

CellReading ReadCell(QByteArrayView cell);

}  // namespace tombolix
