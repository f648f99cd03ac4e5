#include "combinations/hit_table.h"

#include <algorithm>

namespace tombolix {

Groupings GroupingsFromTags(const SelectorTags& tags, int positionCount) {
  Groupings groupings;
  groupings.fill(Grouping::Apart);
  for (int k = 1; k <= std::min(positionCount, kMaxPositions); ++k) {
    const QString tag = tags[static_cast<size_t>(k)].trimmed();
    int value = 0;
    for (qsizetype i = 0; i < tag.size() && tag.at(i).isDigit() && value < 1000; ++i) {
      value = value * 10 + tag.at(i).digitValue();
    }
    if (value == 0) groupings[static_cast<size_t>(k)] = Grouping::Pool;
    if (value == 1) groupings[static_cast<size_t>(k)] = Grouping::Own;
  }
  return groupings;
}

int HitThreshold(int positionCount) { return positionCount <= 4 ? 3 : 4; }

HitTable::HitTable(const HistoryView& view, const Groupings& groupings)
    : positionCount_(std::clamp<int>(view.PositionCount, 0, kMaxPositions)),
      drawsTested_(std::clamp(view.DrawCount, 0, kTestLength)),
      newestDraw_(view.DrawCount),
      rows_(static_cast<size_t>(positionCount_ * kValueRows)) {
  std::vector<int> pooled;
  for (int j = 1; j <= positionCount_; ++j) {
    if (groupings[static_cast<size_t>(j)] == Grouping::Pool) pooled.push_back(j);
  }
  auto count = [this](int j, quint8 x, int t) {
    DrawLanes& row = rows_.at(static_cast<size_t>((j - 1) * kValueRows + x));
    row.lane[static_cast<size_t>(t)] = static_cast<quint8>(row.lane[static_cast<size_t>(t)] + 1);
  };
  for (int t = 0; t < drawsTested_; ++t) {
    const int d = newestDraw_ - t;
    for (int k = 1; k <= positionCount_; ++k) {
      const quint8 x = view.P(k, d);
      if (x >= kNoValue) continue;
      const Grouping g = groupings[static_cast<size_t>(k)];
      if (g == Grouping::Own) count(k, x, t);
      // A pooled number of the draw counts against every pooled position of the combination.
      if (g == Grouping::Pool) {
        for (const int j : pooled) count(j, x, t);
      }
    }
  }
}

void HitTable::Hits(const CombinationValues& values, DrawLanes& out) const {
  out.lane.fill(0);
  for (int j = 1; j <= positionCount_; ++j) {
    const DrawLanes& row = Row(j, values[static_cast<size_t>(j)]);
    for (size_t t = 0; t < kLanes; ++t) out.lane[t] = static_cast<quint8>(out.lane[t] + row.lane[t]);
  }
}

}  // namespace tombolix
