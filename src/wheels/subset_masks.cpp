#include "wheels/subset_masks.h"

#include <cstddef>
#include <limits>

namespace tombolix {

std::uint64_t Binomial(int n, int r) {
  if (r < 0 || n < 0 || r > n) return 0;
  if (r > n - r) r = n - r;
  std::uint64_t value = 1;
  for (int i = 1; i <= r; ++i) {
    const auto factor = static_cast<std::uint64_t>(n - r + i);
    if (value > std::numeric_limits<std::uint64_t>::max() / factor) return std::numeric_limits<std::uint64_t>::max();
    // value * factor is divisible by i: it is i times C(n - r + i, i).
    value = value * factor / static_cast<std::uint64_t>(i);
  }
  return value;
}

std::vector<std::uint32_t> AllSubsetMasks(int n, int r) {
  std::vector<std::uint32_t> masks;
  masks.reserve(static_cast<size_t>(Binomial(n, r)));
  ForEachSubsetMask(n, r, [&masks](std::uint32_t mask) { masks.push_back(mask); });
  return masks;
}

}  // namespace tombolix
