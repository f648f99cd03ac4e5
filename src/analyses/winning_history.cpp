#include "analyses/winning_history.h"

#include "analyses/report_lines.h"

#include <algorithm>

namespace tombolix {

namespace {

// The candidates of every position as a lookup table.
class CandidateTable {
 public:
  void Fill(const SelectorLists& lists, int positionCount) {
    for (auto& row : isCandidate_) row.fill(false);
    for (int k = 1; k <= std::min(positionCount, kMaxPositions); ++k) {
      for (const quint8 v : lists[static_cast<size_t>(k)]) isCandidate_[static_cast<size_t>(k)][v] = true;
    }
  }
  QChar Mark(int k, quint8 x) const { return isCandidate_[static_cast<size_t>(k)][x] ? u'+' : u'&'; }

 private:
  std::array<std::array<bool, 256>, kMaxPositions + 1> isCandidate_{};
};

// Hits against the lists rebuilt before each replayed draw.
class HitClassifier : public ReplayClassifier {
 public:
  void Prepare(const HistoryView& known, const SelectorLists& lists) override {
    table_.Fill(lists, known.PositionCount);
  }
  QChar Mark(int k, quint8 x) const override { return table_.Mark(k, x); }

 private:
  CandidateTable table_;
};

}  // namespace

bool WinningHistoryNeedsReplay(const SelectorLists& lists, const std::array<quint8, kMaxPositions + 1>& fullListCount,
                               int positionCount) {
  for (int k = 1; k <= std::min(positionCount, kMaxPositions); ++k) {
    const auto ku = static_cast<size_t>(k);
    if (lists[ku].size() != fullListCount[ku]) return true;
  }
  return false;
}

AnalysisOutcome WinningHistory(const HistoryView& view, const SelectorLists& lists, int analysisWindow,
                               ReportText& report, StepHooks& hooks) {
  CandidateTable table;
  table.Fill(lists, view.PositionCount);
  if (analysisWindow > 0) {
    const int oldest = view.WindowStart(analysisWindow);
    for (int d = view.DrawCount; d >= oldest; --d) {
      hooks.Step();
      if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
      QString line = DrawLine(view, d, [&](int k) { return table.Mark(k, view.P(k, d)); });
      line.append(kCrLf);
      report.Append(line);
    }
  }
  report.Append(kCrLf);
  return AnalysisOutcome::Done;
}

AnalysisOutcome WinningHistoryReplay(const History& history, int analysisWindow, AnalysisArrays& arrays,
                                     ReportText& report, StepHooks& hooks) {
  HitClassifier classifier;
  // The replay keeps its rows for a map M2; this report has none.
  QStringList rows;
  return ReplayMap(history, analysisWindow, classifier, rows, arrays.ReplayStart, report, hooks);
}

}  // namespace tombolix
