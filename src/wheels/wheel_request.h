#pragma once

#include "history/history.h"
#include "history/spanish_numbers.h"
#include "history/two_digits.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tombolix {

// Limits of a reduction: the chosen numbers map to the bits of a 32-bit mask,
// and every group of m chosen numbers is checked one by one.
inline constexpr int kMinChosen = 7;
inline constexpr int kMaxChosen = 32;
inline constexpr std::uint64_t kMaxCheckedSubsets = 1000000;
// A covering that needs more tickets than this at the very least is refused:
// nobody plays it, and building it would take minutes.
inline constexpr std::uint64_t kMaxLowerBoundTickets = 5000;
inline constexpr int kMaxSeconds = 600;

// What the player asks for: tickets of `ticketSize` numbers such that, when
// `drawnAmongChosen` of the chosen numbers come out, at least one ticket holds
// `hits` of them. Fixed numbers go in every ticket.
struct WheelRequest {
  std::vector<int> chosen;
  int ticketSize = 0;        // k
  int hits = 0;              // t
  int drawnAmongChosen = 0;  // m
  std::vector<int> fixed;
  int seconds = 3;  // time budget of the search
  quint32 seed = 1;
};

// A lottery whose main numbers are drawn from one pool: how many come out per
// draw and the range of values they take.
struct PoolGame {
  int drawn = 0;
  int low = 0;
  int high = 0;
  int PoolSize() const { return high - low + 1; }
};

// The pool of a history: the positions whose numbers are drawn together (the
// ones the selectors group), with the smallest and largest value any of them
// took. Nothing for a game drawn digit by digit, position by position.
std::optional<PoolGame> PoolGameOf(const History& history);

// The message for a digit game.
QString NotAPoolGameMessage();

// Why the request cannot be built, in Spanish for the player; empty when it can.
QString WheelRequestProblem(const WheelRequest& request, const PoolGame& game);

// The same request with its numbers sorted ascending.
WheelRequest Normalised(WheelRequest request);

// The numbers of `text` ("3,7,12", "3 7 12" or "3;7;12"); nothing when an item is not a number.
std::optional<std::vector<int>> ParseNumberList(const QString& text);

}  // namespace tombolix
