#include "analyses/map_groups.h"

#include "analyses/report_lines.h"

namespace tombolix {

int MatchingMarks(const QString& a, const QString& b, int positionCount, QChar ignoredMark) {
  int matches = 0;
  for (int k = 1; k <= positionCount; ++k) {
    const int i = DrawLineMarkIndex(k);
    if (i >= a.size() || i >= b.size()) break;
    const QChar mark = a.at(i);
    if (mark == b.at(i) && mark != ignoredMark && mark != u' ') ++matches;
  }
  return matches;
}

void ClassMapM1(const HistoryView& view, int analysisWindow, QChar (*classOf)(quint8), QStringList& rows,
                ReportText& report, StepHooks& hooks) {
  rows = QStringList{QString()};
  if (analysisWindow > 0) {
    const int oldest = view.WindowStart(analysisWindow);
    for (int d = view.DrawCount; d >= oldest; --d) {
      hooks.Step();
      QString line = DrawLine(view, d, [&](int k) { return classOf(view.P(k, d)); });
      StoreMapRow(rows, line, analysisWindow);
      line.append(kCrLf);
      report.Append(line);
    }
  }
  report.Append(kCrLf);
}

void GroupMapRows(QStringList& rows, int positionCount, GroupRule rule, ReportText& report, StepHooks& hooks) {
  const int n = static_cast<int>(rows.size());
  // Row i of the walk, newest first.
  auto at = [&](int i) -> QString& { return rows[rule.newestLast ? n - 1 - i : i]; };
  const int threshold = positionCount / 2;
  for (int r = 0; r < n; ++r) {
    hooks.Step();
    if (at(r).isEmpty()) continue;
    const QString first = at(r);
    QString group = first;
    at(r).clear();
    int count = 1;
    for (int j = 0; j < n; ++j) {
      QString& row = at(j);
      if (row.isEmpty()) continue;
      if (MatchingMarks(first, row, positionCount, rule.ignoredMark) > threshold) {
        group.append(kCrLf);
        group.append(row);
        row.clear();
        ++count;
      }
    }
    if (count > 1) {
      group.append(kCrLf);
      group.append(kCrLf);
      report.Append(group);
    }
  }
}

}  // namespace tombolix
