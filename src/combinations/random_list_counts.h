#pragma once

#include "combinations/hit_table.h"

#include <array>
#include <vector>

namespace tombolix {

// The rules of a space of random combinations, as RandomListSpace reads them:
// ascending candidates per position (empty: the position holds no value),
// pooled positions never share a number, and a linked position must exceed
// the one before it.
struct SpaceRules {
  int positionCount = 0;
  std::array<std::vector<quint8>, kMaxPositions + 1> candidates;
  std::array<bool, kMaxPositions + 1> pooled{};
  std::array<bool, kMaxPositions + 1> linked{};
};

// Allowed combinations by hits against lane t, hits capped at `threshold`
// (index: hits). With t < 0 no hits are counted: index 0 holds them all.
using HitCounts = std::array<double, kMaxPositions + 1>;
HitCounts CountByHits(const HitTable& table, const SpaceRules& rules, int threshold, int t);

}  // namespace tombolix
