#pragma once

#include "synthetic_history.h"

namespace tombolix::test {

// Options of a synthetic pool game: `numbers` distinct of 1..max, extra balls of 1..bonus (two when `stars`).
inline SynthOptions SynthPool(int numbers, int max, int bonus = 0, bool stars = false, int draws = 1000) {
  SynthOptions o;
  o.numbers = numbers;
  o.max = max;
  o.bonus = bonus;
  o.bonus2 = stars ? bonus : 0;
  o.draws = draws;
  return o;
}

// Options of a synthetic digit game of `positions` digits.
inline SynthOptions SynthDigits(int positions, int draws = 1000) {
  SynthOptions o;
  o.kind = SynthOptions::Kind::Digits;
  o.positions = positions;
  o.draws = draws;
  return o;
}

}  // namespace tombolix::test
