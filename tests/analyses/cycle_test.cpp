#include "analyses/ciclo_aparicion.h"
#include "analyses/pronostico_ciclo.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace tombolix {
namespace {

using test::Lists;

// A two-position history of `size` draws whose first position holds, counted from the newest
// draw (index 0), the values given and 99 elsewhere; the second position is always 50.
History NewestFirst(int size, const std::map<int, int>& valueAt) {
  std::vector<std::vector<int>> draws;
  for (int i = size - 1; i >= 0; --i) {
    const auto it = valueAt.find(i);
    draws.push_back({it == valueAt.end() ? 99 : it->second, 50});
  }
  return test::MakeHistory(2, draws);
}

CycleCounts CountsOf(const History& h, quint8 value) { return ScanCycles(HistoryView(h), 1)[value]; }

TEST(CycleCountsTest, GapsAndPresentAbsence) {
  const History h = NewestFirst(20, {{0, 7}, {9, 8}, {4, 6}, {6, 6}, {3, 5}, {8, 5}});
  // Value: appearances, gap sum, average cycle, present absence.
  const struct {
    quint8 value;
    int a, s, cycle, c;
  } cases[] = {
      {7, 1, 0, 0, 0},   // newest draw only
      {8, 1, 9, 9, 9},   // ten places back only
      {6, 2, 5, 2, 4},   // 4 + 1: 2.5 goes to 2
      {5, 2, 7, 4, 3},   // 3 + 4: 3.5 goes to 4
      {1, 0, 0, 0, 20},  // never: absent for the whole window
  };
  for (const auto& c : cases) {
    const CycleCounts n = CountsOf(h, c.value);
    EXPECT_EQ(std::tuple(n.appearances, n.gapSum, n.AverageCycle(), n.absence), std::tuple(c.a, c.s, c.cycle, c.c))
        << int{c.value};
  }
  // Only the last 100 draws count; a shorter history is scanned down to draw 1.
  EXPECT_EQ(CountsOf(NewestFirst(150, {{10, 4}, {120, 4}}), 4).gapSum, 10);
  EXPECT_EQ(CountsOf(NewestFirst(30, {{29, 4}}), 4).gapSum, 29);
}

TEST(CicloAparicionTest, ListsDrawnCandidatesWithTheirPlaceClass) {
  // Candidates in list order 7, 1, 8: 1 never came out and is left out, keeping its
  // place, and starts from zero rather than from the counters of 7.
  ReportText report;
  CicloAparicion(HistoryView(NewestFirst(20, {{0, 7}, {9, 8}})), Lists({{7, 1, 8}, {50, 3}}), report, NoHooks());
  EXPECT_EQ(report.Text(), QStringLiteral("B1\r\n07% -->  0\r\n08# -->  9\r\n\r\nB2\r\n50# -->  0\r\n\r\n"));
}

TEST(PronosticoCicloTest, DueRules) {
  const struct {
    std::map<int, int> valueAt;
    const char* b1;
  } cases[] = {
      {{{15, 3}}, ""},                    // drawn once: never due, however long absent
      {{{0, 3}, {1, 3}}, "03# -->  0|"},  // in the newest draw: due only with an average cycle of 0
      {{{0, 3}, {3, 3}}, ""},
      {{{2, 3}, {6, 3}}, "03# -->  2|"},  // cycle 2.5 rounds to 2, and an absence of 2 is due
      {{{3, 3}, {8, 3}}, ""},             // cycle 3.5 rounds to 4, and an absence of 3 is not due yet
  };
  for (const auto& c : cases) {
    ReportText report;
    PronosticoCiclo(HistoryView(NewestFirst(20, c.valueAt)), Lists({{3}, {}}), report, NoHooks());
    EXPECT_EQ(test::Lines(report).mid(1).join(u'|'), QLatin1String(c.b1) + QStringLiteral("|B2||")) << c.b1;
  }
}

TEST(PronosticoCicloTest, SilentArraysHoldTheDueValues) {
  // Position 1: 0 and 4 are due (0 is a real number), 9 is not.
  const History h = NewestFirst(12, {{0, 9}, {2, 0}, {3, 0}, {4, 4}, {6, 4}, {7, 9}, {9, 9}});
  const SelectorLists lists = Lists({{9, 4, 0}, {50}});
  PositionTextArrays forecast = AnalysisArrays().ForecastArrays;
  PronosticoCicloSilent(HistoryView(h), lists, forecast);
  EXPECT_EQ(forecast[1], (QStringList{QStringLiteral("04$"), QStringLiteral("00#"), QString()}));
  // 50 came out in every draw: cycle 0 and absence 0, so it is due.
  EXPECT_EQ(forecast[2], (QStringList{QStringLiteral("50#"), QString()}));
  EXPECT_EQ(forecast[3], (QStringList{QString()}));
}

}  // namespace
}  // namespace tombolix
