#pragma once

#include <QChar>

namespace tombolix {

// "&" for 0 and 1, "+" for a prime, "-" for a composite number.
QChar ClasePrimo(quint8 n);

}  // namespace tombolix
