#pragma once

#include "history/history.h"

#include <QString>

#include <array>
#include <vector>

namespace tombolix {

// Candidate numbers of position k (1..7) in rank order: most frequent first,
// ties with the higher number first. Index 0 is unused.
using SelectorLists = std::array<std::vector<quint8>, kMaxPositions + 1>;

// What FillSelectors produces for the selectors CboBal(1)..CboBal(7).
struct SelectorPopulation {
  SelectorLists lists;
  std::array<QString, kMaxPositions + 1> tags;            // "100", "0" or "1"; index 0 unused
  std::array<quint8, kMaxPositions + 1> FullListCount{};  // distinct values before the rarity filter
};

// Rebuilds the candidate lists from the last 100 draws of `view`.
SelectorPopulation FillSelectors(const HistoryView& view, quint8 offset);

}  // namespace tombolix
