#pragma once

#include <QString>

namespace tombolix {

// Figures as the program's Spanish texts write them.

// "1.000": a count with "." between groups of three digits.
QString SpanishCount(qint64 n);

// "3,25": `places` decimals with the Spanish decimal comma.
QString SpanishDecimal(double value, int places);

}  // namespace tombolix
