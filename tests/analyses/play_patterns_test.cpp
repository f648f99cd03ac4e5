#include "analyses/play_patterns.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Crlf;

const QString kNoPattern = QStringLiteral("       Ningún patrón encontrado\r\n");

QString Line(int d, const char* marks) {
  return test::DrawDateText(d) + QStringLiteral("   ") + QLatin1String(marks) + Crlf();
}

QString Patterns(int positions, const std::vector<std::vector<int>>& draws, StepHooks& hooks = NoHooks()) {
  ReportText report;
  EXPECT_EQ(PatronJugadas(HistoryView(test::MakeHistory(positions, draws)), report, hooks), AnalysisOutcome::Done);
  return report.Text();
}

// The window is the newest 300 draws: an identical draw at draw 1 counts in a history of 300 and
// not in one of 301. Identical draws mark every position "-", and each of them heads its own block.
TEST(PlayPatternsTest, LooksAtTheNewestThreeHundredDraws) {
  for (const int count : {300, 301}) {
    // No two draws but the identical ones share three positions.
    std::vector<std::vector<int>> draws;
    for (int d = 1; d <= count; ++d) draws.push_back({d % 97, 50 + d / 97, 99});
    draws[0] = draws[static_cast<size_t>(count - 2)] = draws[static_cast<size_t>(count - 1)] = {1, 2, 3};
    test::CountingHooks hooks;
    const QString text = Patterns(3, draws, hooks);
    EXPECT_EQ(hooks.steps, 300);
    EXPECT_EQ(hooks.progress.back(), 299 * 97 / 300);
    const QString block = Line(300, "01-02-03-") + Line(299, "01-02-03-") + Line(1, "01-02-03-") + Crlf();
    EXPECT_EQ(text, count == 301 ? kNoPattern : block.repeated(3));
  }
}

}  // namespace
}  // namespace tombolix
