// Feeds arbitrary bytes to the configuration-value parser.
#include "config/configuration.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString value = tombolix::ParseConfigurationValue(
      QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  // One value of one line, without surrounding spaces.
  if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'))) std::abort();
  if (value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '))) std::abort();
  return 0;
}
