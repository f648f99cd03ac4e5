#include "analyses/repeated_numbers.h"

#include "analyses/report_lines.h"

#include <array>

namespace tombolix {

namespace {

// True when x is one of the numbers of draw d (positions 1..PositionCount only).
bool InDraw(const HistoryView& view, int d, quint8 x) {
  for (int j = 1; j <= view.PositionCount; ++j) {
    if (view.P(j, d) == x) return true;
  }
  return false;
}

}  // namespace

void RepeatedNumbers(const HistoryView& view, ReportText& report, StepHooks& hooks) {
  const int oldest = view.WindowStart(kRecentDraws);
  const int n = view.PositionCount;
  for (int d = view.DrawCount; d >= oldest; --d) {
    hooks.Step();
    std::array<QChar, kMaxPositions + 1> marks;
    marks.fill(u'&');
    for (int k = 1; k <= n; ++k) {
      const quint8 x = view.P(k, d);
      const bool next = d + 1 <= view.DrawCount && InDraw(view, d + 1, x);
      const bool previous = d - 1 >= 1 && InDraw(view, d - 1, x);
      if (next || previous) marks[static_cast<size_t>(k)] = u'+';
    }
    for (int k = 1; k < n; ++k) {
      if (view.P(k, d) == view.P(k + 1, d)) {
        marks[static_cast<size_t>(k)] = u'-';
        marks[static_cast<size_t>(k + 1)] = u'-';
      }
    }
    QString line = DrawLine(view, d, [&](int k) { return marks[static_cast<size_t>(k)]; });
    line.append(kCrLf);
    report.Append(line);
  }
  report.Append(kCrLf);
}

}  // namespace tombolix
