#include "wheels/wheel_check.h"

#include "wheels/subset_masks.h"

#include <bit>

namespace tombolix {

WheelCheck CheckWheel(const WheelShape& shape, const std::vector<std::uint32_t>& tickets) {
  WheelCheck check;
  const std::uint64_t inside = shape.v >= 32 ? 0xFFFFFFFFu : (std::uint64_t{1} << shape.v) - 1;
  for (const std::uint32_t ticket : tickets) {
    if (CountBits(ticket) != shape.k || (ticket & ~inside) != 0 || (ticket & shape.fixedMask) != shape.fixedMask) {
      ++check.badTickets;
    }
  }
  ForEachSubsetMask(shape.v, shape.m, [&](std::uint32_t subset) {
    ++check.subsetsChecked;
    for (const std::uint32_t ticket : tickets) {
      if (CountBits(subset & ticket) >= shape.t) return;
    }
    if (check.uncovered++ == 0) check.firstUncovered = subset;
  });
  return check;
}

}  // namespace tombolix
