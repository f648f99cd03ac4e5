#include "analyses/play_patterns.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::CountingHooks;
using test::Crlf;
using test::DrawDateText;
using test::MakeHistory;

const QString kNoPattern = QStringLiteral("       Ningún patrón encontrado\r\n");

QString Line(int d, const QString& numbersAndMarks) {
  return DrawDateText(d) + QStringLiteral("   ") + numbersAndMarks + Crlf();
}

// Draw 4 is the reference; draws 3 and 2 share three of its four positions,
// draw 1 only two. Among themselves draws 2 and 3 share two, so only the
// block of draw 4 reaches three lines.
TEST(PlayPatternsTest, ABlockOfThreeLinesIsShownAndOneOfTwoIsNot) {
  const std::vector<std::vector<int>> draws{{1, 2, 7, 7}, {1, 2, 8, 4}, {1, 2, 3, 9}, {1, 2, 3, 4}};
  ReportText report;
  CountingHooks hooks;
  EXPECT_EQ(PatronJugadas(HistoryView(MakeHistory(4, draws)), report, hooks), AnalysisOutcome::Done);
  EXPECT_EQ(report.Text(), Line(4, QStringLiteral("01-02-03-04-")) + Line(3, QStringLiteral("01+02+03+09&")) +
                               Line(2, QStringLiteral("01+02+08&04+")) + Crlf());
  EXPECT_EQ(hooks.steps, 4);
  EXPECT_EQ(hooks.progress, (std::vector<int>{0, 0, 0, 0}));  // (DrawCount - R) * 97 / 300

  // Without draw 2 the block of draw 4 has two lines: nothing qualifies.
  ReportText none;
  PatronJugadas(HistoryView(MakeHistory(4, {draws[0], draws[2], draws[3]})), none, NoHooks());
  EXPECT_EQ(none.Text(), kNoPattern);
}

// Two positions never share three; extra numbers of a longer line never count.
TEST(PlayPatternsTest, TwoPositionsNeverFormAPattern) {
  const History h = MakeHistory(2, {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}});
  ReportText report;
  PatronJugadas(HistoryView(h), report, NoHooks());
  EXPECT_EQ(report.Text(), kNoPattern);
}

// Draws whose first and second numbers never agree together, and whose third
// is always 99: no two of them share three positions.
std::vector<std::vector<int>> Unlike(int count) {
  std::vector<std::vector<int>> draws;
  for (int d = 1; d <= count; ++d) draws.push_back({d % 97, 50 + d / 97, 99});
  return draws;
}

// The window is the newest 300 draws: an identical draw at draw 1 counts in a
// history of 300 and not in one of 301. Identical draws mark every position
// "-", and each of them heads its own block.
TEST(PlayPatternsTest, LooksAtTheNewestThreeHundredDraws) {
  for (const int count : {300, 301}) {
    std::vector<std::vector<int>> draws = Unlike(count);
    draws[0] = draws[static_cast<size_t>(count - 2)] = draws[static_cast<size_t>(count - 1)] = {1, 2, 3};
    ReportText report;
    CountingHooks hooks;
    PatronJugadas(HistoryView(MakeHistory(3, draws)), report, hooks);
    EXPECT_EQ(hooks.steps, 300);
    EXPECT_EQ(hooks.progress.back(), 299 * 97 / 300);
    if (count == 301) {
      EXPECT_EQ(report.Text(), kNoPattern);
      continue;
    }
    const QString block = Line(300, QStringLiteral("01-02-03-")) + Line(299, QStringLiteral("01-02-03-")) +
                          Line(1, QStringLiteral("01-02-03-")) + Crlf();
    EXPECT_EQ(report.Text(), block.repeated(3));
  }
}

}  // namespace
}  // namespace tombolix
