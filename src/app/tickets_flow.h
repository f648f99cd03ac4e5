#pragma once

#include "history/history.h"
#include "tickets/tickets_report.h"

#include <QString>
#include <QStringView>

namespace tombolix {

// What the ticket checker starts from: a copy of the loaded history (so a
// reload meanwhile changes nothing under it), the lottery it belongs to, the
// program folder whose settings remember the game's shape, the folder files
// are opened from, and the tickets to show at first.
struct TicketsRequest {
  History history;
  QString lottery;
  QString programFolder;
  QString historyFolder;
  QString text;
};

// The options remembered for the request's lottery when they still fit its
// history, else the ones its draws suggest.
TicketsOptions TicketsOptionsFor(const TicketsRequest& request);
// Remembers the shape, the rule and the threshold for the request's lottery.
void RememberTicketsOptions(const TicketsRequest& request, const TicketsOptions& options);

// The checker's "Comprobar": empty `problem` and the outcome, or the reason
// the options do not fit the history (Spanish).
struct TicketsRun {
  QString problem;
  TicketsOutcome outcome;
};
TicketsRun RunTicketsCheck(const TicketsRequest& request, const TicketsOptions& options, QStringView text);

}  // namespace tombolix
