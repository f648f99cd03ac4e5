#pragma once

#include "history/history.h"
#include "tickets/game_shape.h"
#include "tickets/ticket_lines.h"

#include <QVector>

namespace tombolix {

// How a ticket's main numbers are matched with a draw's: as a set (a multiset
// in digit games, "en cualquier orden") or position by position ("en su
// posición"). Extra balls are always matched apart, as a set: the ticket's own
// extras against the draw's, or a "complementario" against the ticket's main numbers.
enum class MatchRule { AnyOrder, InPosition };

// The usual rule of a game: in any order for pools, in position for digits.
MatchRule DefaultMatchRule(const GameShape& shape);

// Draws are tallied per (main matches, extra matches) pair: bin k * (extras + 1) + e.
inline int MatchBin(const GameShape& shape, int main, int extra) { return main * (shape.extraCount + 1) + extra; }
inline int MatchBinCount(const GameShape& shape) { return (shape.mainCount + 1) * (shape.extraCount + 1); }

// Draws whose dates are kept for the best match: the most recent ones.
inline constexpr int kBestDrawsKept = 5;

struct TicketResult {
  QVector<int> bins;  // draws per MatchBin
  int bestMain = 0;   // the best match, main numbers first, then extras
  int bestExtra = 0;
  int bestDraws = 0;        // draws with exactly the best match
  QVector<int> bestRecent;  // up to kBestDrawsKept of them (draw numbers), newest first
  int latestMain = 0;       // the match with the newest draw
  int latestExtra = 0;

  // Draws with `threshold` or more main numbers matched.
  int DrawsFrom(const GameShape& shape, int threshold) const;
  // Draws with exactly `main` main numbers matched, whatever the extras.
  int DrawsWithMain(const GameShape& shape, int main) const;
};

// Every ticket (holding shape.TicketSize() numbers each) against every draw
// of `history`. Per-number bit sets over the tickets are added into
// bit-sliced counters, so one draw costs a few word operations per 64 tickets
// and number instead of a loop over the tickets.
QVector<TicketResult> CheckTickets(const HistoryView& history, const GameShape& shape, MatchRule rule,
                                   const QVector<Ticket>& tickets);

}  // namespace tombolix
