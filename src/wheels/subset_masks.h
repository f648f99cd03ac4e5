#pragma once

#include <cstdint>
#include <vector>

namespace tombolix {

// Bits set in a mask. Written out so that it compiles to a few instructions
// inline on every x86-64 processor, where std::popcount without the POPCNT
// instruction set becomes a library call.
constexpr int CountBits(std::uint32_t x) {
  x = x - ((x >> 1) & 0x55555555u);
  x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
  return static_cast<int>((((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

// n choose r, saturating at UINT64_MAX.
std::uint64_t Binomial(int n, int r);

// Every r-subset of the bits 0..n-1 (n <= 32), in increasing order of the mask.
std::vector<std::uint32_t> AllSubsetMasks(int n, int r);

// Calls `visit` with every r-subset of the bits 0..n-1 (n <= 32), in increasing order.
template <typename Visit>
void ForEachSubsetMask(int n, int r, Visit&& visit) {
  if (r < 0 || r > n || n > 32) return;
  if (r == 0) {
    visit(std::uint32_t{0});
    return;
  }
  const std::uint64_t end = std::uint64_t{1} << n;
  std::uint64_t mask = (std::uint64_t{1} << r) - 1;
  while (mask < end) {
    visit(static_cast<std::uint32_t>(mask));
    // The next mask with as many bits set (Gosper's method).
    const std::uint64_t lowest = mask & (~mask + 1);
    const std::uint64_t ripple = mask + lowest;
    mask = (((ripple ^ mask) >> 2) / lowest) | ripple;
  }
}

}  // namespace tombolix
