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

// Draw 4 is the reference; draws 3 and 2 share three of its four positions, draw 1 only two.
// Among themselves draws 2 and 3 share two, so only the block of draw 4 reaches three lines.
TEST(PlayPatternsTest, ABlockOfThreeLinesIsShownAndOneOfTwoIsNot) {
  const std::vector<std::vector<int>> draws{{1, 2, 7, 7}, {1, 2, 8, 4}, {1, 2, 3, 9}, {1, 2, 3, 4}};
  EXPECT_EQ(Patterns(4, draws), Line(4, "01-02-03-04-") + Line(3, "01+02+03+09&") + Line(2, "01+02+08&04+") + Crlf());
  // Without draw 2 the block of draw 4 has two lines: nothing qualifies.
  EXPECT_EQ(Patterns(4, {draws[0], draws[2], draws[3]}), kNoPattern);
  // Two positions never share three; extra numbers of a longer line never count.
  EXPECT_EQ(Patterns(2, {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}}), kNoPattern);
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
