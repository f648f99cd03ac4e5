#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tombolix {

// Schönheim's lower bound on C(v, k, t), the fewest k-sets of a v-set that
// contain every t-set: L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), L(., ., 0) = 1.
// It bounds coverings only: a guarantee of t hits when m > t numbers come out
// can need fewer tickets.
std::uint64_t SchonheimBound(int v, int k, int t);

// A published size of the best wheel known for v chosen numbers, tickets of k
// and t hits when m of the chosen come out, with where it is published.
struct KnownWheelSize {
  std::uint64_t tickets = 0;
  bool provenMinimum = false;
  QString source;  // Spanish, for the player
};
std::optional<KnownWheelSize> BestKnownSize(int v, int k, int t, int m);

// The probability that at least m of the v chosen numbers are among the
// `drawn` numbers of a draw from a pool of `poolSize` (hypergeometric).
double ProbabilityAtLeast(int poolSize, int drawn, int v, int m);

// "2,57 %": a probability as a Spanish percentage with two decimals.
QString SpanishPercent(double probability);

}  // namespace tombolix
