#pragma once

#include <QString>

namespace tombolix {

// "&" for 0 and 1, "+" for a prime, "-" for a composite number.
QString ClasePrimo(quint8 n);
QChar ClasePrimoChar(quint8 n);

}  // namespace tombolix
