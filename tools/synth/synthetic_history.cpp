#include "synthetic_history.h"

#include "history/two_digits.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tombolix {

std::uint64_t SplitMix64::Next() {
  state += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint32_t SplitMix64::Below(std::uint32_t bound) {
  // Values at or above `limit` would make the low residues more likely.
  const std::uint64_t limit = UINT64_MAX - (UINT64_MAX % bound);
  std::uint64_t x = Next();
  while (x >= limit) x = Next();
  return static_cast<std::uint32_t>(x % bound);
}

QString CheckSynthOptions(const SynthOptions& options) {
  if (options.draws < 1) return QStringLiteral("draws must be at least 1");
  if (!options.firstDate.isValid()) return QStringLiteral("invalid first date");
  if (options.kind == SynthOptions::Kind::Digits) {
    if (options.positions < 2 || options.positions > 7) return QStringLiteral("positions must be 2..7");
    return {};
  }
  if (options.max < 1 || options.max > 99) return QStringLiteral("max must be 1..99");
  if (options.bonus < 0 || options.bonus > 99) return QStringLiteral("bonus must be 0..99");
  if (options.numbers < 1 || options.numbers > options.max) return QStringLiteral("numbers must be 1..max");
  if (options.bonus2 < 0 || options.bonus2 > 99) return QStringLiteral("bonus2 must be 0..99");
  if (options.bonus2 > 0 && options.bonus == 0) return QStringLiteral("bonus2 needs bonus");
  if (options.bonus2 == 1 && options.bonus == 1) return QStringLiteral("two equal ranges need at least 2 numbers");
  const int positions = options.numbers + (options.bonus > 0 ? 1 : 0) + (options.bonus2 > 0 ? 1 : 0);
  if (positions < 2 || positions > 7) return QStringLiteral("numbers plus bonus must be 2..7");
  return {};
}

namespace {

// One number field of a history line: a comma, then the number in two digits.
void AppendField(QByteArray& out, int value) {
  out.append(',');
  AppendTwoDigits(out, value);
}

void AppendDate(QByteArray& out, const QDate& date) {
  out.append(date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1());
}

// k distinct numbers from 1..max in ascending order: a partial Fisher-Yates shuffle.
void AppendPick(QByteArray& out, SplitMix64& rng, const SynthOptions& options, std::array<int, 99>& pool) {
  std::iota(pool.begin(), pool.begin() + options.max, 1);
  for (int i = 0; i < options.numbers; ++i) {
    const int j = i + static_cast<int>(rng.Below(static_cast<std::uint32_t>(options.max - i)));
    std::swap(pool[static_cast<size_t>(i)], pool[static_cast<size_t>(j)]);
  }
  std::sort(pool.begin(), pool.begin() + options.numbers);
  for (int i = 0; i < options.numbers; ++i) AppendField(out, pool[static_cast<size_t>(i)]);
  if (options.bonus == 0) return;
  int first = 1 + static_cast<int>(rng.Below(static_cast<std::uint32_t>(options.bonus)));
  if (options.bonus2 == 0) return AppendField(out, first);
  if (options.bonus2 != options.bonus) {
    AppendField(out, first);
    return AppendField(out, 1 + static_cast<int>(rng.Below(static_cast<std::uint32_t>(options.bonus2))));
  }
  // Two distinct balls of one range, ascending.
  int second = 1 + static_cast<int>(rng.Below(static_cast<std::uint32_t>(options.bonus - 1)));
  if (second >= first) ++second;
  if (second < first) std::swap(first, second);
  AppendField(out, first);
  AppendField(out, second);
}

}  // namespace

QByteArray SyntheticHistory(const SynthOptions& options) {
  if (!CheckSynthOptions(options).isEmpty()) return {};
  SplitMix64 rng(options.seed);
  std::array<int, 99> pool{};
  QByteArray out;
  out.reserve(static_cast<qsizetype>(options.draws) * 34);
  QDate date = options.firstDate;
  for (int d = 0; d < options.draws; ++d) {
    AppendDate(out, date);
    if (options.kind == SynthOptions::Kind::Digits) {
      for (int p = 0; p < options.positions; ++p) AppendField(out, static_cast<int>(rng.Below(10)));
    } else {
      AppendPick(out, rng, options, pool);
    }
    out.append("\r\n");
    date = date.addDays(3 + static_cast<int>(rng.Below(2)));
  }
  return out;
}

}  // namespace tombolix
