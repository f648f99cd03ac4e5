#include "analyses/consecutive_numbers.h"

#include "analyses/report_lines.h"

#include <array>
#include <cstdlib>

namespace tombolix {

void ConsecutiveNumbers(const HistoryView& view, ReportText& report, StepHooks& hooks) {
  const int oldest = view.WindowStart(kRecentDraws);
  for (int d = view.DrawCount; d >= oldest; --d) {
    hooks.Step();
    std::array<QChar, kMaxPositions + 1> marks;
    marks.fill(u'&');
    for (int k = 2; k <= view.PositionCount; ++k) {
      if (std::abs(view.P(k, d) - view.P(k - 1, d)) == 1) {
        marks[static_cast<size_t>(k - 1)] = u'+';
        marks[static_cast<size_t>(k)] = u'+';
      }
    }
    QString line = DrawLine(view, d, [&](int k) { return marks[static_cast<size_t>(k)]; });
    line.append(kCrLf);
    report.Append(line);
  }
  report.Append(kCrLf);
}

}  // namespace tombolix
