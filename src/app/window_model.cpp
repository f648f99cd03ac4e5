#include "app/window_model.h"

#include "reports/start_pane.h"

namespace tombolix {

std::array<std::vector<quint8>, kMaxPositions + 1> WindowModel::SelectorValues() const {
  std::array<std::vector<quint8>, kMaxPositions + 1> lists;
  for (int k = 1; k <= kMaxPositions; ++k) {
    const QStringList& items = CboBal[static_cast<size_t>(k)].items;
    auto& values = lists[static_cast<size_t>(k)];
    values.reserve(static_cast<size_t>(items.size()));
    for (const QString& item : items) values.push_back(static_cast<quint8>(item.toUInt()));
  }
  return lists;
}

bool PaneZeroHoldsStartText(const WindowModel& m) {
  return m.RtfReporte[Pane::Start].report.Text() == StartPaneText(m.history.DrawCount);
}

}  // namespace tombolix
