#pragma once

#include <cstdint>
#include <vector>

namespace tombolix {

// The shape of a wheel on v chosen numbers mapped to the bits 0..v-1: tickets
// of k numbers, each holding the fixed ones, and the guarantee of t hits in
// one ticket whenever m of the chosen numbers come out.
struct WheelShape {
  int v = 0;
  int k = 0;
  int t = 0;
  int m = 0;
  std::uint32_t fixedMask = 0;
};

// What the exhaustive check of a wheel found.
struct WheelCheck {
  std::uint64_t subsetsChecked = 0;  // every m-subset of the chosen numbers
  std::uint64_t uncovered = 0;       // m-subsets that no ticket meets in t numbers
  std::uint32_t firstUncovered = 0;  // the smallest such subset's mask
  int badTickets = 0;                // tickets of the wrong size, outside the chosen numbers or without the fixed ones
  bool Holds() const { return badTickets == 0 && uncovered == 0 && subsetsChecked > 0; }
};

// Checks the wheel against every m-subset of the v chosen numbers, one by one.
// Independent of the search that built it: it trusts nothing but the tickets.
WheelCheck CheckWheel(const WheelShape& shape, const std::vector<std::uint32_t>& tickets);

}  // namespace tombolix
