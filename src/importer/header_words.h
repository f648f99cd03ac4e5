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
};

HeaderHint ReadHeaderHint(const QString& header);

}  // namespace tombolix
