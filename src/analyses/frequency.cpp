#include "analyses/frequency.h"

#include "analyses/map_groups.h"
#include "analyses/report_lines.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

// Rank classes of the collected ranking, as map M1 reads it before each draw.
class FrequencyClassifier : public ReplayClassifier {
 public:
  explicit FrequencyClassifier(PositionByteArrays& ranking) : ranking_(ranking) {}

  void Prepare(const HistoryView& known, const SelectorLists& lists) override {
    ComputeFrequencyCollect(lists, known.PositionCount, ranking_);
  }

  QChar Mark(int k, quint8 x) const override {
    const std::vector<quint8>& ranked = ranking_[static_cast<size_t>(k)];
    const int m = FilledCount(ranked);
    if (m == 0) return QChar();
    const auto end = ranked.begin() + m;
    const auto found = std::find(ranked.begin(), end, x);
    if (found == end) return u'&';
    return RankClass(static_cast<int>(found - ranked.begin()) + 1, m);
  }

 private:
  PositionByteArrays& ranking_;
};

}  // namespace

std::vector<ValueLine> FrequencyLines(const HistoryView& view, const SelectorLists& lists, int k) {
  std::array<int, 256> counts{};
  for (int d = view.DrawCount, oldest = view.WindowStart(kRecentDraws); d >= oldest; --d) ++counts[view.P(k, d)];
  const std::vector<quint8>& list = lists[static_cast<size_t>(k)];
  const int n = static_cast<int>(list.size());
  std::vector<ValueLine> lines;
  lines.reserve(list.size());
  for (int i = 0; i < n; ++i) {
    const quint8 value = list[static_cast<size_t>(i)];
    lines.push_back({value, RankClass(i + 1, n), counts[value]});
  }
  return lines;
}

void ComputeFrequency(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks) {
  for (int k = 1; k <= view.PositionCount; ++k) {
    hooks.Step();
    AppendValueBlock(report, k, FrequencyLines(view, lists, k));
  }
}

void ComputeFrequencyCollect(const SelectorLists& lists, int positionCount, PositionByteArrays& ranking) {
  for (int k = 1; k <= kMaxPositions; ++k) {
    std::vector<quint8>& ranked = ranking[static_cast<size_t>(k)];
    ranked.clear();
    if (k <= positionCount) ranked = lists[static_cast<size_t>(k)];
    ranked.push_back(0);
  }
  ranking[0].assign(1, 0);
}

AnalysisOutcome FrequencyMapM1(const History& history, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                               StepHooks& hooks) {
  FrequencyClassifier classifier(arrays.FrequencyRanking);
  return ReplayMap(history, analysisWindow, classifier, arrays.FrequencyMapRows, arrays.ReplayStart, report, hooks);
}

void FrequencyMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks) {
  GroupMapRows(arrays.FrequencyMapRows, positionCount, GroupRule{true, u'&'}, report, hooks);
}

}  // namespace tombolix
