#pragma once

#include "wheels/wheel_check.h"
#include "wheels/wheel_request.h"
#include "wheels/wheel_search.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tombolix {

// A wheel built for a request and checked afterwards, on its own, against
// every m-subset of the chosen numbers.
struct WheelOutcome {
  WheelRequest request;  // normalised: numbers ascending
  PoolGame game;
  WheelShape shape;
  WheelSearchResult search;
  WheelCheck check;
  std::vector<std::vector<int>> tickets;  // each ticket's numbers, ascending

  // Only a wheel that passed the check is ever shown as meeting its guarantee.
  bool Verified() const { return !search.cancelled && check.Holds(); }
};

// Builds and checks the wheel of a request the checks of WheelRequestProblem accepted.
WheelOutcome BuildWheel(const WheelRequest& request, const PoolGame& game, const WheelProgress& progress);

// The shape of a request: chosen number i is bit i.
WheelShape ShapeOf(const WheelRequest& normalised);

// One line per ticket: two-digit numbers separated by spaces ("07 12 33 ...").
QStringList WheelTicketLines(const WheelOutcome& outcome);
// The tickets as CSV: a heading row, then the ticket's number and its numbers.
QString WheelCsv(const WheelOutcome& outcome);
// The result for the player: what was checked, the sizes compared and what the
// wheel does not do. A wheel that failed its check is said to fail.
QString WheelSummary(const WheelOutcome& outcome);

}  // namespace tombolix
