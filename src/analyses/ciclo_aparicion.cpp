#include "analyses/ciclo_aparicion.h"

#include "analyses/report_lines.h"

namespace tombolix {

int CycleCounts::AverageCycle() const { return appearances > 0 ? RoundHalfEven(gapSum, appearances) : 0; }

std::array<CycleCounts, 256> ScanCycles(const HistoryView& view, int p) {
  std::array<CycleCounts, 256> counts{};
  std::array<int, 256> lastSeen{};  // index (0 = newest) of the latest appearance met so far
  const int oldest = view.WindowStart(kRecentDraws);
  const int size = view.DrawCount - oldest + 1;
  for (int i = 0; i < size; ++i) {
    const quint8 x = view.P(p, view.DrawCount - i);
    CycleCounts& c = counts[x];
    if (c.appearances == 0) {
      c.gapSum = i;
      c.absence = i;
    } else {
      c.gapSum += i - lastSeen[x] - 1;
    }
    ++c.appearances;
    lastSeen[x] = i;
  }
  for (CycleCounts& c : counts) {
    if (c.appearances == 0) c.absence = size;
  }
  return counts;
}

std::vector<ValueLine> CycleLines(const HistoryView& view, const SelectorLists& lists, int p) {
  const std::array<CycleCounts, 256> counts = ScanCycles(view, p);
  const std::vector<quint8>& list = lists[static_cast<size_t>(p)];
  const int n = static_cast<int>(list.size());
  std::vector<ValueLine> lines;
  for (int r = 1; r <= n; ++r) {
    const quint8 value = list[static_cast<size_t>(r - 1)];
    const CycleCounts& c = counts[value];
    if (c.appearances > 0) lines.push_back({value, RankClass(r, n), c.AverageCycle()});
  }
  return lines;
}

void CicloAparicion(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks) {
  for (int p = 1; p <= view.PositionCount; ++p) {
    hooks.Step();
    AppendValueBlock(report, p, CycleLines(view, lists, p));
  }
}

}  // namespace tombolix
