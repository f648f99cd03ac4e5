#include "history/acceptance.h"

#include "history/prime.h"

#include <algorithm>
#include <cstdlib>

namespace tombolix {

namespace {

// T / 100 to the nearest integer, halves to the even one.
qint32 HundredthRoundedToEven(qint32 total) {
  qint32 quotient = total / 100;
  const qint32 remainder = total % 100;
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return quotient;
}

void SetHighLow(qint32 total, qint32& high, qint32& low) {
  high = HundredthRoundedToEven(total);
  low = high >= 2 ? high - 1 : high;
}

}  // namespace

void AcceptanceTotals::Add(const std::array<quint8, kMaxPositions>& numbers, int positionCount) {
  for (int p = 0; p < positionCount; ++p) {
    const int value = numbers[static_cast<size_t>(p)];
    if (p + 1 < positionCount && std::abs(value - numbers[static_cast<size_t>(p + 1)]) == 1) ++consecutive;
    if (value % 2 == 0) ++even;
    if (ClasePrimo(static_cast<quint8>(value)) == u'-') ++composite;
  }
}

AcceptanceValues ToAcceptanceValues(const AcceptanceTotals& totals) {
  AcceptanceValues values;
  SetHighLow(totals.consecutive, values.ConsecutivosAlto, values.ConsecutivosBajo);
  SetHighLow(totals.even, values.ParesAlto, values.ParesBajo);
  SetHighLow(totals.composite, values.CompuestosAlto, values.CompuestosBajo);
  return values;
}

AcceptanceValues MeasureAcceptance(const HistoryView& view) {
  AcceptanceTotals totals;
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  for (int d = 1; d <= std::min(view.DrawCount, 100); ++d) {
    std::array<quint8, kMaxPositions> numbers{};
    for (int p = 0; p < positionCount; ++p) numbers[static_cast<size_t>(p)] = view.P(p + 1, d);
    totals.Add(numbers, positionCount);
  }
  return ToAcceptanceValues(totals);
}

}  // namespace tombolix
