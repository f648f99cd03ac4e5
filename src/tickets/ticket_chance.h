#pragma once

#include "tickets/game_shape.h"
#include "tickets/ticket_check.h"

#include <QVector>

namespace tombolix {

// The prize threshold offered first: 3 main numbers in a pool of 5 or more,
// one fewer than the ticket's numbers in a smaller pool, every digit in a digit game.
int DefaultPrizeThreshold(const GameShape& shape);

// The chance of each MatchBin in one draw for `ticket`, the draw taken at
// random. Any order in a pool: exact (hypergeometric) for distinct numbers
// drawn from the main range, extras likewise from theirs (a complementario
// from the balls left in the main drum); every ticket of the shape has the
// same chance. Any order in a digit game: each digit of the draw uniform and
// independent; the chance depends on the ticket's repeated digits. In
// position: each position uniform over its range, independently.
QVector<double> MatchChances(const GameShape& shape, MatchRule rule, const QVector<quint8>& ticket);

// Chance that a draw matches `threshold` main numbers or more, from MatchChances.
double ChanceFrom(const GameShape& shape, const QVector<double>& chances, int threshold);

// The count of successes in `trials` independent draws each with chance `p`
// (binomial): its mean and a 95 % band [low, high] taken from the exact
// distribution's 2.5 % and 97.5 % points; `coverage` is the band's exact
// chance (at least 0.95).
struct ChanceBand {
  double mean = 0;
  int low = 0;
  int high = 0;
  double coverage = 1;
};
ChanceBand BinomialBand(int trials, double p);

}  // namespace tombolix
