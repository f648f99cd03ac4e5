#include "combinations/back_test.h"

#include "combination_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Crlf;
using test::MakeHistory;
using test::MakeList;
using test::Tags;
using test::TestList;

// The rule as the driver states it, character by character on the texts: the
// reference the table-driven back-test must reproduce.
QString ReferenceBackTest(const HistoryView& view, const TestList& list, const SelectorTags& tags, QStringList& lines,
                          BackTestResult& result) {
  const int n = view.PositionCount;
  auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  auto tag = [&](int k) { return tags[static_cast<size_t>(k)].toInt(); };
  auto number = [&](int j, int c) { return list.CombPos[static_cast<size_t>(j)][static_cast<size_t>(c)]; };
  QString report;
  int lastHitDraw = 0;
  lines = list.LineasComb;
  for (int d = view.DrawCount; d >= 1 && view.DrawCount - d < 100; --d) {
    QString drawLine = view.Date(d) + QStringLiteral("   ");
    for (int k = 1; k <= n; ++k) drawLine += two(view.P(k, d)) + u'&';
    report += drawLine + Crlf();
    for (int c = 0; c < lines.size(); ++c) {
      QString marks(7, u' ');
      int hits = 0;
      for (int k = 1; k <= n; ++k) {
        for (int j = 1; j <= 7; ++j) {
          const bool compared = (tag(j) == 0 && tag(k) == 0) || (j == k && tag(j) == 1 && tag(k) == 1);
          if (compared && two(number(j, c)) == drawLine.mid(13 + 3 * (k - 1), 2)) marks[j - 1] = u'-', ++hits;
        }
      }
      if (hits < (n == 4 ? 3 : 4)) continue;
      ++result.successTotal;
      if (d != lastHitDraw) ++result.hitDraws, lastHitDraw = d;
      QString line = lines[c].left(13);
      for (int j = 1; j <= n; ++j) line += two(number(j, c)) + marks[j - 1];
      if (n >= 6 && hits == n - 1) {
        line.replace(u'-', u'+');
      } else if (hits == n) {
        line.replace(u'-', u'$');
      }
      lines[c] = line.replace(u'%', u'#');
      report += line + Crlf();
    }
  }
  return report;
}

struct BackTestRun {
  QString report;
  QStringList lines;
  BackTestResult result;
  AnalysisOutcome outcome;
};

BackTestRun BackTest(const History& h, const TestList& list, const SelectorTags& tags, StepHooks& hooks = NoHooks(),
                     bool newList = false) {
  BackTestRun run;
  run.lines = list.LineasComb;
  ReportText report{QString()};
  run.outcome = BackTestList(HistoryView(h), list.CombPos, run.lines, tags, newList, report, run.result, hooks);
  run.report = report.Text();
  return run;
}

TEST(BackTest, ACombinationHittingTwoDrawsKeepsTheMarksOfTheNewest) {
  const History h = MakeHistory(4, {{1, 2, 3, 4}, {10, 20, 30, 41}, {10, 20, 31, 40}});
  const BackTestRun run =
      BackTest(h, MakeList(4, {{10, 20, 30, 40}, {5, 20, 31, 40}, {50, 51, 52, 53}}), Tags("0 0 0 0"));
  EXPECT_EQ(run.report.count(QStringLiteral("  000001#")), 2);
  EXPECT_EQ(run.result.successTotal, 3);
  EXPECT_EQ(run.result.hitDraws, 2);
  const QStringList lines{QStringLiteral("  000001#    10-20-30-40 "), QStringLiteral("  000002#    05 20-31-40-"),
                          QStringLiteral("  000003%    50 51 52 53 ")};
  EXPECT_EQ(run.lines, lines);
  EXPECT_EQ(CleanCombinationLines(run.lines)[1], QStringLiteral("  000002#    05 20 31 40 "));
  EXPECT_TRUE(run.report.startsWith(h.Date(3) + QStringLiteral("   10&20&31&40&")));
}

TEST(BackTest, AgreesWithTheRuleAsStatedOnPatternHistories) {
  const char* tagSets[] = {"0 0 0 0 0 0 0", "0 0 0 1 1 1 1", "1 1 1 1 1 1 1", "0 0 0 0 0 1 100"};
  for (int n = 4; n <= 7; ++n) {
    const History h = test::PatternHistory(n, 130, 9);
    const History source = test::PatternHistory(n, 300, 9);
    std::vector<std::vector<int>> combinations(300);
    for (int d = 1; d <= 300; ++d)
      for (int k = 1; k <= n; ++k) combinations[static_cast<size_t>(d - 1)].push_back(source.P(k, d));
    const TestList list = MakeList(n, combinations);
    for (const char* tagText : tagSets) {
      SelectorTags tags = Tags(tagText);
      for (int k = n + 1; k <= kMaxPositions; ++k) tags[static_cast<size_t>(k)] = QStringLiteral("100");
      QStringList expectedLines;
      BackTestResult expected;
      const QString expectedReport = ReferenceBackTest(HistoryView(h), list, tags, expectedLines, expected);
      const BackTestRun run = BackTest(h, list, tags);
      SCOPED_TRACE(testing::Message() << n << " " << tagText);
      EXPECT_EQ(run.report, expectedReport);
      EXPECT_EQ(run.lines, expectedLines);
      const BackTestResult counted = CountHits(HitTable(HistoryView(h), GroupingsFromTags(tags, n)), list.CombPos,
                                               static_cast<int>(combinations.size()));
      for (const BackTestResult* r : {&run.result, &counted}) {
        EXPECT_EQ(r->successTotal, expected.successTotal);
        EXPECT_EQ(r->hitDraws, expected.hitDraws);
      }
    }
  }
}

TEST(BackTest, A101DrawHistoryTestsDraws101To2WithProgressStepsAndStop) {
  const History h = test::PatternHistory(5, 101, 40);
  const TestList list = MakeList(5, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  for (const bool newList : {true, false}) {
    test::CountingHooks hooks;
    const BackTestRun run = BackTest(h, list, Tags("0 0 0 0 0"), hooks, newList);
    ASSERT_EQ(run.outcome, AnalysisOutcome::Done);
    QStringList dates;
    for (const QString& line : run.report.split(Crlf()))
      if (line.size() > 10 && line.at(2) == u'/') dates.append(line.left(10));
    EXPECT_EQ(dates.size(), 100);
    EXPECT_EQ(dates.front() + dates.back(), h.Date(101) + h.Date(2));
    EXPECT_EQ(hooks.steps, 100);
    ASSERT_EQ(hooks.progress.size(), 100u);
    const std::vector<int> seen{hooks.progress[0],  hooks.progress[5],  hooks.progress[15],
                                hooks.progress[94], hooks.progress[95], hooks.progress[99]};
    EXPECT_EQ(seen, newList ? (std::vector<int>{90, 90, 92, 99, 100, 100}) : (std::vector<int>{0, 5, 15, 94, 95, 99}));
  }
  // A stop found at the second draw ends the run there: one draw line written.
  test::StopAfterHooks hooks(2);
  const BackTestRun stopped = BackTest(h, list, Tags("0 0 0 0 0"), hooks);
  EXPECT_EQ(stopped.outcome, AnalysisOutcome::Stopped);
  EXPECT_EQ(stopped.report.count(u'&'), 5);
}

}  // namespace
}  // namespace tombolix
