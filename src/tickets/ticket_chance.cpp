#include "tickets/ticket_chance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tombolix {

namespace {

// log of n choose k.
double LogChoose(int n, int k) { return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0); }

// Chance of `hits` marked balls among `drawn` taken from `total`, `marked` of them marked.
double Hypergeometric(int total, int marked, int drawn, int hits) {
  if (hits < 0 || hits > marked || hits > drawn || drawn - hits > total - marked) return 0.0;
  return std::exp(LogChoose(marked, hits) + LogChoose(total - marked, drawn - hits) - LogChoose(total, drawn));
}

// Chance of k successes of n trials of chance p.
double Binomial(int n, double p, int k) {
  if (p <= 0) return k == 0 ? 1.0 : 0.0;
  if (p >= 1) return k == n ? 1.0 : 0.0;
  return std::exp(LogChoose(n, k) + k * std::log(p) + (n - k) * std::log1p(-p));
}

// Main matches of a digit ticket matched in any order against `n` uniform
// independent digits of `range` values: the draw's counts per value are
// multinomial, and the matches are the sum over values of min(ticket count,
// draw count). Summed value by value over (digits used, matches).
QVector<double> DigitsAnyOrder(const GameShape& shape, const QVector<quint8>& ticket) {
  const int n = shape.mainCount;
  const int range = shape.MainRange();
  std::array<int, 100> held{};
  for (int k = 0; k < n; ++k) ++held[ticket[k]];
  // ways[used][matches]: sum of the products of 1 / (draw count)! so far.
  std::vector<std::vector<double>> ways(static_cast<size_t>(n + 1), std::vector<double>(static_cast<size_t>(n + 1)));
  ways[0][0] = 1.0;
  for (int v = shape.mainLow; v <= shape.mainHigh; ++v) {
    std::vector<std::vector<double>> next(static_cast<size_t>(n + 1), std::vector<double>(static_cast<size_t>(n + 1)));
    for (int used = 0; used <= n; ++used) {
      for (int m = 0; m <= n; ++m) {
        const double w = ways[static_cast<size_t>(used)][static_cast<size_t>(m)];
        if (w == 0) continue;
        for (int c = 0; used + c <= n; ++c) {
          const int gained = std::min(c, held[static_cast<size_t>(v)]);
          next[static_cast<size_t>(used + c)][static_cast<size_t>(m + gained)] += w / std::tgamma(c + 1.0);
        }
      }
    }
    ways.swap(next);
  }
  QVector<double> main(n + 1);
  const double scale = std::tgamma(n + 1.0) / std::pow(range, n);
  for (int m = 0; m <= n; ++m) main[m] = ways[static_cast<size_t>(n)][static_cast<size_t>(m)] * scale;
  return main;
}

}  // namespace

int DefaultPrizeThreshold(const GameShape& shape) {
  if (shape.kind == GameKind::Digits) return shape.mainCount;
  return shape.mainCount >= 5 ? 3 : std::max(1, shape.mainCount - 1);
}

QVector<double> MatchChances(const GameShape& shape, MatchRule rule, const QVector<quint8>& ticket) {
  const int m = shape.mainCount;
  QVector<double> main(m + 1);
  if (rule == MatchRule::InPosition) {
    for (int k = 0; k <= m; ++k) main[k] = Binomial(m, 1.0 / shape.MainRange(), k);
  } else if (shape.kind == GameKind::Digits) {
    main = DigitsAnyOrder(shape, ticket);
  } else {
    for (int k = 0; k <= m; ++k) main[k] = Hypergeometric(shape.MainRange(), m, m, k);
  }
  const int extras = shape.extraCount;
  // A ticket of main numbers only, in a game whose extras the player picks, never matches an extra.
  const bool noExtras = shape.TicketExtras() > 0 && ticket.size() <= m;
  QVector<double> bins(MatchBinCount(shape));
  for (int k = 0; k <= m; ++k) {
    for (int e = 0; e <= extras; ++e) {
      // A complementario comes from the balls the main draw left, k of the ticket's among them no more.
      const double extra = noExtras                  ? (e == 0 ? 1.0 : 0.0)
                           : shape.extraFromMainPool ? Hypergeometric(shape.MainRange() - m, m - k, extras, e)
                                                     : Hypergeometric(shape.ExtraRange(), extras, extras, e);
      bins[MatchBin(shape, k, e)] = main[k] * (extras == 0 ? 1.0 : extra);
    }
  }
  return bins;
}

double ChanceFrom(const GameShape& shape, const QVector<double>& chances, int threshold) {
  double p = 0;
  for (int k = std::max(threshold, 0); k <= shape.mainCount; ++k) {
    for (int e = 0; e <= shape.extraCount; ++e) p += chances.value(MatchBin(shape, k, e));
  }
  return std::clamp(p, 0.0, 1.0);
}

ChanceBand BinomialBand(int trials, double p) {
  ChanceBand band;
  band.mean = trials * p;
  double cumulative = 0;
  bool lowFound = false;
  for (int x = 0; x <= trials; ++x) {
    cumulative += Binomial(trials, p, x);
    if (!lowFound && cumulative > 0.025) {
      band.low = x;
      lowFound = true;
      // The chance below the band.
      band.coverage = 1.0 - (cumulative - Binomial(trials, p, x));
    }
    if (cumulative >= 0.975 || x == trials) {
      band.high = x;
      band.coverage -= std::max(0.0, 1.0 - cumulative);
      break;
    }
  }
  return band;
}

}  // namespace tombolix
