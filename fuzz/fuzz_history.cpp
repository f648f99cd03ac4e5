// Feeds arbitrary bytes to the history parser and checks the shape of what it returns.
#include "history/loader.h"
#include "history/selector_population.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tombolix;
  const LoadedHistory r =
      ParseHistory(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const History& h = r.history;
  Check(h.DrawCount >= 0 && h.PositionCount <= kMaxPositions);
  Check(h.DrawDate.size() == h.DrawCount);
  for (const auto& column : h.Pos) Check(column.size() == h.DrawCount);
  for (const QString& date : h.DrawDate) Check(date.size() == 10);
  Check(r.accepted == (r.rejectedLine.isEmpty() && h.DrawCount >= 1));
  if (h.DrawCount >= 1) {
    Check(h.PositionCount >= 2);
    for (int k = 1; k <= h.PositionCount; ++k) {
      for (int d = 1; d <= h.DrawCount; ++d) Check(h.P(k, d) <= 99);
    }
    const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
    for (int k = 1; k <= h.PositionCount; ++k) Check(!population.lists[static_cast<size_t>(k)].empty());
  }
  // Read from a device in small chunks, so that line ends fall across chunk
  // boundaries, the same bytes give the same history.
  QBuffer device;
  device.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  device.open(QIODevice::ReadOnly);
  const LoadedHistory chunked = ReadHistory(device, 1 + static_cast<qsizetype>(size % 5));
  Check(chunked.accepted == r.accepted && chunked.rejectedLine == r.rejectedLine);
  Check(chunked.history.DrawDate == h.DrawDate && chunked.history.Pos == h.Pos);
  Check(chunked.history.PositionCount == h.PositionCount);
  return 0;
}
