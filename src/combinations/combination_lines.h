#pragma once

#include "history/history.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tombolix {

// A list holds this many combinations.
inline constexpr int kListSize = 1000;

// CombPos1..CombPos7: CombPos[k][i - 1] is the number at position k of list
// combination i (index 0 unused; positions beyond the lottery's hold 0).
using CombPositions = std::array<std::vector<quint8>, kMaxPositions + 1>;

// Every combination line starts with this prefix: two spaces, the six-digit
// index, the list mark at character 9 ("%" not hit yet, "#" hit) and four spaces.
inline constexpr int kCombinationPrefix = 13;
inline constexpr int kListMarkIndex = 8;  // 0-based index of the list mark

// The line of list combination `index` (1-based) with a space after every
// number: "  000001%    07 12 25 33 ".
QString CombinationLine(int index, const CombPositions& CombPos, int positionCount);

// Combinations of the list that every array can answer for: the smallest of the
// sizes of CombPos[1..positionCount] and of `lines`.
int ListCount(const CombPositions& CombPos, const QStringList& lines, int positionCount);

// LineasCombLimpias: the lines with every hit mark ("+", "-", "$") made a space;
// the list marks stay.
QStringList CleanCombinationLines(const QStringList& LineasComb);

// The heading of the back-test report: the draws hit and message 54 centred on
// 38 characters like the start pane's line, then three line breaks.
QString BackTestHeading(int bestHitDraws);

}  // namespace tombolix
