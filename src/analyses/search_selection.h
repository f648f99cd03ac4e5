#pragma once

#include "history/history.h"

#include <QString>

#include <array>

namespace tombolix {

// The selector texts B1..B7 as the window shows them (index 0 unused): a
// chosen number of one or two digits, "" for an emptied selector, or a label.
using SelectorTexts = std::array<QString, kMaxPositions + 1>;

// What one position of a search's combination holds.
enum class SelectionKind {
  Emptied,  // the user emptied the selector: its column is never looked at
  Label,    // it shows its label (or no number): unselected, its column still searched
  Number,   // a chosen number
};

// The combination a similar-draw search looks for, positions 1..7.
struct SearchSelection {
  std::array<SelectionKind, kMaxPositions + 1> kind{};
  std::array<int, kMaxPositions + 1> value{};   // for Number
  std::array<QString, kMaxPositions + 1> text;  // for Number: two digits ("07")

  bool IsNumber(int p) const { return kind[static_cast<size_t>(p)] == SelectionKind::Number; }
};

// Selection mode: positions 1..positionCount from the selector texts. A text of
// one or two digits is that number in its two-digit form ("7" is "07"); an empty
// text is an emptied selector; anything else (a label "B3") leaves the
// position unselected. Positions beyond positionCount are labels.
SearchSelection SelectionFromSelectors(const SelectorTexts& texts, int positionCount);

// Last-draw mode: the numbers of the newest draw at positions 1..PositionCount
// (all unselected when the history is empty).
SearchSelection SelectionFromLastDraw(const HistoryView& view);

// The minimum resemblance: 1 when some position 1..positionCount is not a
// number, otherwise positionCount / 2 rounded down.
int MinimumResemblance(const SearchSelection& selection, int positionCount);

}  // namespace tombolix
