#include "analyses/replay_map.h"

#include "analyses/report_lines.h"

#include <algorithm>

namespace tombolix {

namespace {

int Percent(int done, int total) { return total > 0 ? std::min(100, done * 100 / total) : 100; }

}  // namespace

AnalysisOutcome ReplayMap(const History& history, int analysisWindow, ReplayClassifier& classifier, QStringList& rows,
                          int& replayStart, ReportText& report, StepHooks& hooks) {
  const int newest = history.DrawCount;
  const int window = std::max(analysisWindow, 0);
  replayStart = std::max(newest - window, 0);
  rows = QStringList{QString()};
  const HistoryView whole(history);
  for (int known = replayStart; known <= newest; ++known) {
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    hooks.Progress(Percent(known - replayStart, window), known == newest);
    if (known == newest) break;
    const HistoryView view(history, known);
    classifier.Prepare(view, FillSelectors(view, 0).lists);
    const int next = known + 1;
    QString row = DrawLine(whole, next, [&](int k) { return classifier.Mark(k, history.P(k, next)); });
    StoreMapRow(rows, row, window);
    row.append(kCrLf);
    report.Prepend(row);
  }
  report.Append(kCrLf);
  return AnalysisOutcome::Done;
}

}  // namespace tombolix
