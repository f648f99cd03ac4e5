#pragma once

#include "history/history.h"
#include "reports/report_text.h"
#include "tickets/game_shape.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_lines.h"

#include <QString>
#include <QStringView>

namespace tombolix {

struct TicketsOptions {
  GameShape shape;
  MatchRule rule = MatchRule::AnyOrder;
  int threshold = 3;  // main numbers matched from which a draw counts as a prize
};

// The options a history suggests: its guessed shape, the game's usual rule and threshold.
TicketsOptions DefaultTicketsOptions(const HistoryView& history);

struct TicketsOutcome {
  ReportText report;
  int checked = 0;                  // tickets checked
  QVector<TicketLineError> errors;  // lines that are not tickets of the game
};

// Reads the tickets in `text` (one per line), checks them against every draw
// of `history` and writes the report: per ticket its matches draw by draw
// against what chance gives, its best match with its dates, its result in the
// newest draw and whether its count of prize draws lies in chance's 95 %
// band; then the lines that are not tickets, and a summary that sets the
// tickets outside their band against how many chance leaves outside.
TicketsOutcome CheckTicketsText(const HistoryView& history, const QString& lottery, const TicketsOptions& options,
                                QStringView text);

// "en cualquier orden" or "en su posición".
QString MatchRuleName(MatchRule rule);

}  // namespace tombolix
