#pragma once

#include "history/history.h"

#include <QString>

#include <array>
#include <vector>

namespace tombolix {

// The back-test replays a list against this many of the newest draws.
inline constexpr int kTestLength = 100;

// How the numbers of a position are compared with a draw, read from the Tag of
// its selector: "0" pools the position with every other pooled position, "1"
// compares it with the same position of the draw only, anything else (the tag
// of a selector beyond the lottery's positions) never compares.
enum class Grouping : quint8 { Pool, Own, Apart };
using Groupings = std::array<Grouping, kMaxPositions + 1>;    // index 0 unused
using SelectorTags = std::array<QString, kMaxPositions + 1>;  // Tag of CboBal(k); index 0 unused

// The groupings of positions 1..positionCount from the tags, each read by its
// numeric value (leading digits; no digits reads as 0, so an empty tag pools).
Groupings GroupingsFromTags(const SelectorTags& tags, int positionCount);

// Least number of hits that makes a combination hit a draw: 3 with four
// positions (or fewer), 4 with five to seven.
int HitThreshold(int positionCount);

// One small count per tested draw: lane t stands for draw NewestDraw() - t.
inline constexpr int kLanes = 128;
struct alignas(64) DrawLanes {
  std::array<quint8, kLanes> lane{};
};

// Combination numbers of positions 1..7 (index 0 unused).
using CombinationValues = std::array<quint8, kMaxPositions + 1>;

// Comparison table of one back-test: for each position j and value v, what a
// combination holding v at j scores against each tested draw (the number of
// draw positions it is compared with that hold v). A combination's hits
// against every tested draw are then the sum of its positions' rows: a few
// vector additions per combination instead of 7 x 7 comparisons per draw.
class HitTable {
 public:
  HitTable(const HistoryView& view, const Groupings& groupings);

  int PositionCount() const { return positionCount_; }
  int DrawsTested() const { return drawsTested_; }
  int NewestDraw() const { return newestDraw_; }

  // Row of value v at position j (1..PositionCount()); values of 128 and more score nothing.
  const DrawLanes& Row(int j, quint8 v) const {
    return rows_[static_cast<size_t>((j - 1) * kValueRows + (v < kNoValue ? v : kNoValue))];
  }
  // Hits of the combination against every tested draw (lanes past DrawsTested() hold 0).
  void Hits(const CombinationValues& values, DrawLanes& out) const;

  // A value that never scores: what a position with no candidate holds.
  static constexpr quint8 kNoValue = 128;

 private:
  static constexpr int kValueRows = kNoValue + 1;
  int positionCount_ = 0;
  int drawsTested_ = 0;
  int newestDraw_ = 0;
  std::vector<DrawLanes> rows_;
};

}  // namespace tombolix
