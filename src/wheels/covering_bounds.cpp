#include "wheels/covering_bounds.h"

#include "history/spanish_numbers.h"
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

// Covering numbers C(v, k, k - 1) known exactly, for 7 <= v <= 13 and ticket
// sizes 3 to 7: the triangle of OEIS A066010 ("Triangle of covering numbers
// T(n,k) = C(n,k,k-1)", N. J. A. Sloane, after the CRC Handbook of
// Combinatorial Designs, 1996, p. 263). Entries the triangle leaves open are
// left out.
struct ExactCovering {
  int v, k, size;
};
constexpr std::array<ExactCovering, 30> kExactCoverings{{
    {7, 3, 7},   {7, 4, 12},   {7, 5, 9},    {7, 6, 6},   {8, 3, 11},  {8, 4, 14},   {8, 5, 20},  {8, 6, 12},
    {8, 7, 7},   {9, 3, 12},   {9, 4, 25},   {9, 5, 30},  {9, 6, 30},  {9, 7, 16},   {10, 3, 17}, {10, 4, 30},
    {10, 5, 51}, {10, 6, 50},  {10, 7, 45},  {11, 3, 19}, {11, 4, 47}, {11, 5, 66},  {11, 7, 84}, {12, 3, 24},
    {12, 4, 57}, {12, 5, 113}, {12, 6, 132}, {13, 3, 26}, {13, 4, 78}, {13, 6, 245},
}};

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
  if (t == k - 1) {
    for (const ExactCovering& c : kExactCoverings) {
      if (c.v == v && c.k == k) {
        return KnownWheelSize{static_cast<std::uint64_t>(c.size), true,
                              QStringLiteral("número de recubrimiento C(%1,%2,%3); OEIS A066010").arg(v).arg(k).arg(t)};
      }
    }
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
  return SpanishDecimal(percent, 2) + QStringLiteral(" %");
}

}  // namespace tombolix
