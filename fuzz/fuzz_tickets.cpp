// Feeds arbitrary text to the tickets reader, for each kind of game, and checks
// what it returns: every ticket is one of the game, every other line is named.
#include "tickets/ticket_chance.h"
#include "tickets/ticket_lines.h"

#include <QString>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace tombolix;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckTicket(const Ticket& ticket, const GameShape& shape) {
  const auto size = static_cast<int>(ticket.numbers.size());
  Check(size == shape.TicketSize() || (shape.TicketExtras() > 0 && size == shape.mainCount));
  for (int i = 0; i < size; ++i) {
    const bool extra = i >= shape.mainCount;
    const int n = ticket.numbers[i];
    Check(n >= (extra ? shape.extraLow : shape.mainLow) && n <= (extra ? shape.extraHigh : shape.mainHigh));
  }
  for (const MatchRule rule : {MatchRule::AnyOrder, MatchRule::InPosition}) {
    double sum = 0;
    for (const double p : MatchChances(shape, rule, ticket.numbers)) sum += p;
    Check(sum > 0.999999 && sum < 1.000001);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  static const std::array<GameShape, 4> shapes{{
      {GameKind::Digits, 4, 0, 9, 0, 0, 0, false},
      {GameKind::Pool, 5, 1, 50, 2, 1, 12, false},
      {GameKind::Pool, 6, 1, 49, 1, 1, 49, true},
      {GameKind::Pool, 5, 1, 39, 0, 0, 0, false},
  }};
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const GameShape& shape : shapes) {
    const TicketLines read = ReadTicketLines(text, shape);
    int lastLine = 0;
    for (const Ticket& ticket : read.tickets) {
      Check(ticket.line > lastLine);
      lastLine = ticket.line;
      CheckTicket(ticket, shape);
    }
    for (const TicketLineError& error : read.errors) Check(error.line >= 1 && !error.reason.isEmpty());
  }
  return 0;
}
