#pragma once

#include "history/history.h"

#include <QString>

namespace tombolix {

// How a lottery draws its numbers, as far as checking a ticket needs to know.
// Pool games draw distinct main numbers from one range and maybe some extra
// balls after them; digit games draw one digit per position, repeats allowed.
enum class GameKind { Pool, Digits };

struct GameShape {
  GameKind kind = GameKind::Pool;
  int mainCount = 0;  // main numbers per draw (positions 1..mainCount)
  int mainLow = 1;    // their range
  int mainHigh = 49;
  // Extra balls: the positions after the main ones (a bonus, stars).
  int extraCount = 0;
  int extraLow = 1;
  int extraHigh = 12;
  // True when the extra balls come out of the main numbers' drum (a
  // "complementario"): a ticket then holds main numbers only, and an extra
  // ball is matched against them. Otherwise a ticket holds its own extras.
  bool extraFromMainPool = false;

  // Numbers a ticket holds: the main ones, then its own extra balls.
  int TicketSize() const { return mainCount + TicketExtras(); }
  int TicketExtras() const { return extraFromMainPool ? 0 : extraCount; }
  int MainRange() const { return mainHigh - mainLow + 1; }
  int ExtraRange() const { return extraHigh - extraLow + 1; }
  friend bool operator==(const GameShape&, const GameShape&) = default;
};

// Empty when the shape fits a history of `positionCount` positions (main and
// extra balls fill them, ranges within 0..99, pool ranges large enough for
// their balls); otherwise what is wrong, in Spanish.
QString CheckGameShape(const GameShape& shape, int positionCount);

// The shape guessed from the draws: a digit game when every number is a digit;
// otherwise a pool whose trailing positions are extra balls when their range
// is clearly smaller than the main numbers' or when the main numbers come out
// sorted and the trailing ones do not follow that order.
GameShape GuessGameShape(const HistoryView& history);

// "6 números del 1 al 49 + 1 complementario (del mismo bombo)", "4 cifras del 0 al 9".
QString DescribeGameShape(const GameShape& shape);

// A one-line text for the settings file, and back; nothing when the text is
// not one (a hand-edited or old value).
QString GameShapeToText(const GameShape& shape);
bool GameShapeFromText(const QString& text, GameShape* shape);

}  // namespace tombolix
