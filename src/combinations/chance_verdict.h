#pragma once

#include <QString>

#include <optional>

namespace tombolix {

// Where a result stands against what chance gives, two-sided at 95 %: above
// the band, below it, or inside it.
enum class ChanceVerdict { Chance, Above, Below };

// The verdict of `value` against the band [low, high].
inline ChanceVerdict VerdictAgainstBand(double value, double low, double high) {
  if (value > high) return ChanceVerdict::Above;
  if (value < low) return ChanceVerdict::Below;
  return ChanceVerdict::Chance;
}

// "mejor que el azar", "peor que el azar", "no se distingue del azar".
QString VerdictWords(ChanceVerdict verdict);
// "above", "below", "chance": the report tool's JSON key.
QString VerdictKey(ChanceVerdict verdict);

}  // namespace tombolix
