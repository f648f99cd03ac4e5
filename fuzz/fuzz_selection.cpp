// Feeds arbitrary bytes to the lottery-selection record parser.
#include "history/catalogue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto index =
      tombolix::ParseSelectionRecord(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (index.has_value() != (size >= tombolix::kSelectionRecordSize)) std::abort();
  if (index && *index != static_cast<qint16>(data[44] | (data[45] << 8))) std::abort();
  return 0;
}
