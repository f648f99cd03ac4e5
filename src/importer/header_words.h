#pragma once

#include <QString>

#include <cstdint>

namespace tombolix {

// What a column's header says it holds, when it says.
enum class HeaderHint : std::uint8_t {
  None,
  Balls,       // "Bola 1", "N1", "Complementario", "Estrellas", "Powerball", "Winning Numbers"...
  Counter,     // "Sorteo", "Nº", "Draw", "#"
  Refund,      // "Reintegro"
  Multiplier,  // "Power Play", "Megaplier", "Multiplier"
  Money,       // "Bote", "Premio", "Jackpot", "Prize"
  Prizes,      // winners or prizes per category: "Acertantes", "NB1".."NB12"
  Weekday,     // "Día", "Weekday"
  Time,        // "Hora", "Time"
  Machine,     // the draw machine or ball set: "Ball Set", "Machine", "Bombo"
  Statistic,   // figures about the draw: "Odd/Even", "Suma", "Spread"
  Game,        // which game: "Game", "Juego", "Lotería"
};

// The name of one of several draws of a day in a ball column's header
// ("Midday 1", "Evening 1", "Noche 2"), lower case; empty when there is none.
QString DrawNameInHeader(const QString& header);

HeaderHint ReadHeaderHint(const QString& header);

}  // namespace tombolix
