#include "wheels/covering_bounds.h"

#include "wheels/subset_masks.h"

#include <array>

namespace tombolix {

namespace {

// A Steiner system S(t, k, v) is a covering in which every t-set lies in
// exactly one block, so it has C(v, t) / C(k, t) blocks and nothing smaller
// covers: that is the covering number. The systems below exist by the
// theorems collected in C. J. Colbourn and J. H. Dinitz (eds.), Handbook of
// Combinatorial Designs, 2nd ed., Chapman & Hall/CRC, 2007, part II
// ("Steiner systems"): Kirkman's triple systems, Hanani's quadruple systems,
// Hanani's S(2,4,v) and S(2,5,v), the projective and inversive planes of small
// prime-power orders, and the Witt systems.
bool SteinerSystemExists(int v, int k, int t) {
  struct Family {
    int t, k, modulus;
    std::array<int, 2> residues;
  };
  static constexpr std::array<Family, 4> families{{
      {2, 3, 6, {1, 3}},   // Kirkman (1847)
      {3, 4, 6, {2, 4}},   // Hanani (1960)
      {2, 4, 12, {1, 4}},  // Hanani (1961)
      {2, 5, 20, {1, 5}},  // Hanani (1972)
  }};
  for (const Family& f : families) {
    if (f.t == t && f.k == k && v > k && (v % f.modulus == f.residues[0] || v % f.modulus == f.residues[1])) {
      return true;
    }
  }
  struct Single {
    int t, k, v;
  };
  static constexpr std::array<Single, 7> singles{{
      {2, 6, 31},  // projective plane of order 5
      {3, 5, 17},  // inversive plane of order 4
      {3, 6, 26},  // inversive plane of order 5
      {4, 5, 11},  // Witt
      {5, 6, 12},  // Witt
      {3, 6, 22},  // Witt
      {4, 7, 23},  // Witt
  }};
  for (const Single& s : singles) {
    if (s.t == t && s.k == k && s.v == v) return true;
  }
  return t == 5 && k == 8 && v == 24;  // Witt
}

}  // namespace

std::uint64_t SchonheimBound(int v, int k, int t) {
  if (t <= 0) return 1;
  if (k <= 0 || v <= 0) return 0;
  const std::uint64_t inner = SchonheimBound(v - 1, k - 1, t - 1);
  const auto vv = static_cast<std::uint64_t>(v);
  const auto kk = static_cast<std::uint64_t>(k);
  return (vv * inner + kk - 1) / kk;
}

std::optional<KnownWheelSize> BestKnownSize(int v, int k, int t, int m) {
  if (t != m) return std::nullopt;  // no lotto-design value is tabulated here
  if (v == 12 && k == 6 && t == 3) {
    // D. M. Gordon, O. Patashnik, J. Petro, "Minimum (12,6,3) covers",
    // Ars Combinatoria: a 15-block cover, and no cover with fewer.
    return KnownWheelSize{15, true, QStringLiteral("Gordon, Patashnik y Petro, «Minimum (12,6,3) covers»")};
  }
  if (SteinerSystemExists(v, k, t)) {
    return KnownWheelSize{Binomial(v, t) / Binomial(k, t), true,
                          QStringLiteral("sistema de Steiner S(%1,%2,%3); Colbourn y Dinitz, "
                                         "«Handbook of Combinatorial Designs»")
                              .arg(t)
                              .arg(k)
                              .arg(v)};
  }
  return std::nullopt;
}

double ProbabilityAtLeast(int poolSize, int drawn, int v, int m) {
  const double all = static_cast<double>(Binomial(poolSize, drawn));
  if (all <= 0) return 0;
  double favourable = 0;
  for (int x = m; x <= drawn && x <= v; ++x) {
    favourable += static_cast<double>(Binomial(v, x)) * static_cast<double>(Binomial(poolSize - v, drawn - x));
  }
  return favourable / all;
}

QString SpanishPercent(double probability) {
  const double percent = probability * 100.0;
  if (percent > 0 && percent < 0.005) return QStringLiteral("menos de 0,01 %");
  return QString::number(percent, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" %");
}

}  // namespace tombolix
