#pragma once

#include "tickets/game_shape.h"

#include <QString>
#include <QStringView>
#include <QVector>

namespace tombolix {

// One ticket the player wants checked: its numbers in the order written (the
// main numbers, then the ticket's own extra balls) and where it came from.
struct Ticket {
  int line = 0;  // 1-based line of the input
  QVector<quint8> numbers;
};

// A line that is not a ticket of the game, and why (Spanish, for the player).
struct TicketLineError {
  int line = 0;
  QString text;
  QString reason;
};

struct TicketLines {
  QVector<Ticket> tickets;
  QVector<TicketLineError> errors;
};

// Reads one ticket per line: numbers separated by spaces, tabs, commas,
// semicolons, dashes, colons or "+". In a digit game a single group of as many
// digits as the game has positions is read digit by digit ("0427"). Empty
// lines are skipped; any other line that is not a ticket of `shape` (letters,
// the wrong count of numbers, a number the game never draws, a number repeated
// among a pool's balls) is named in `errors`, and the rest are still read.
TicketLines ReadTicketLines(QStringView text, const GameShape& shape);

// The text of a tickets file: a list file (".CMB", read with the list-file
// reader for `positionCount` positions, one line per combination, of the
// numbers a ticket of `shape` holds) or a text or CSV file (UTF-8, else
// Windows-1252). `error` names the file when it cannot be read or is not a
// list file of this lottery; `unreadable` tells the first case apart.
struct TicketsFileText {
  QString text;
  QString error;
  bool unreadable = false;
};
TicketsFileText ReadTicketsFile(const QString& path, int positionCount, const GameShape& shape);

}  // namespace tombolix
