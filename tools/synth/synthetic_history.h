#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>

namespace tombolix {

// Options of a seeded synthetic history. The same options give the same bytes on
// every platform: the generator uses its own PRNG and its own range reduction.
struct SynthOptions {
  enum class Kind { Pick, Digits };
  Kind kind = Kind::Pick;
  int numbers = 6;    // pick: distinct numbers per draw, drawn from 1..max
  int max = 45;       // pick: highest main number (at most 99)
  int bonus = 0;      // pick: highest bonus ball (1..bonus), 0 for none
  // pick: highest second extra ball (1..bonus2), 0 for none; with bonus2 equal
  // to bonus the two extra balls are distinct and ascending, like the stars of
  // a 5 + 2 game.
  int bonus2 = 0;
  int positions = 4;  // digits: positions per draw, each 0..9
  int draws = 100;
  std::uint64_t seed = 1;
  QDate firstDate = QDate(1990, 1, 2);
};

// Empty when the options describe a history the loader accepts (2..7 positions,
// numbers below 100, at least one draw); otherwise what is wrong.
QString CheckSynthOptions(const SynthOptions& options);

// History-file text: one line per draw, oldest first, "dd/mm/yyyy,NN,NN,...",
// CR LF line ends, dates ascending by 3 or 4 days. Empty when the options are invalid.
QByteArray SyntheticHistory(const SynthOptions& options);

// The splitmix64 generator with an unbiased bounded draw.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state(seed) {}
  std::uint64_t Next();
  // Uniform in 0..bound-1 (bound >= 1), by rejection so no value is favoured.
  std::uint32_t Below(std::uint32_t bound);

 private:
  std::uint64_t state;
};

}  // namespace tombolix
