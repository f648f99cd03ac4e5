#include "history/prime.h"

namespace tombolix {

QChar ClasePrimo(quint8 n) {
  if (n <= 1) return QLatin1Char('&');
  // Trial division; stopping at the square root gives the same class as trying every d < n.
  for (unsigned d = 2; d * d <= n; ++d) {
    if (n % d == 0) return QLatin1Char('-');
  }
  return QLatin1Char('+');
}

}  // namespace tombolix
