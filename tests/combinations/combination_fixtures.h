#pragma once

#include "analyses/analysis_fixtures.h"
#include "combinations/combination_lines.h"
#include "combinations/hit_table.h"

#include <QStringList>

#include <vector>

namespace tombolix::test {

// A list as the driver holds it: the numbers per position and the display lines.
struct TestList {
  CombPositions CombPos;
  QStringList LineasComb;
};

inline TestList MakeList(int positions, const std::vector<std::vector<int>>& combinations) {
  TestList list;
  for (const auto& combination : combinations) {
    for (int k = 1; k <= kMaxPositions; ++k) {
      const int v = k <= positions ? combination[static_cast<size_t>(k - 1)] : 0;
      list.CombPos[static_cast<size_t>(k)].push_back(static_cast<quint8>(v));
    }
  }
  for (int i = 1; i <= static_cast<int>(combinations.size()); ++i)
    list.LineasComb.append(CombinationLine(i, list.CombPos, positions));
  return list;
}

// Tags of B1..B7 from their texts separated by spaces ("0 0 0 1").
inline SelectorTags Tags(const char* texts) {
  SelectorTags tags;
  const QStringList parts = QString::fromLatin1(texts).split(QLatin1Char(' '));
  for (int k = 1; k <= kMaxPositions; ++k)
    tags[static_cast<size_t>(k)] = k <= parts.size() ? parts[k - 1] : QStringLiteral("100");
  return tags;
}

}  // namespace tombolix::test
