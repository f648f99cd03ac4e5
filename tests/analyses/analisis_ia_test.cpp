#include "analyses/analisis_ia.h"
#include "analyses/prediccion_clase.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::MakeHistory;

// A report text of the given lines, each followed by a line break, then the
// empty line that closes every report.
QString Report(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n"); }

TEST(PrediccionClaseTest, VotesOnHandWrittenColumns) {
  struct Case {
    const char* column;  // newest first
    bool expected;
  };
  const Case cases[] = {
      {"1010101", false},                     // alternating: after a "1" came a "0"
      {"0101010", true},  {"110110", false},  // "1,1" after a "0" was followed by a "0" once
      {"1111", true},                         // all equal: the votes fall to the older marks
      {"0000", false},    {"11110", false},   // the closing empty line ends the run: R is all of S, no vote, a tie
      {"1001", false},                        // tie with R "10": the opposite of the newest "1"
      {"01", true},                           // tie with R "01"
      {"11", false},                          // empty R and a one-character T: no vote; a tie with empty R
      {"1", false},       {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PredictColumn(QString(QLatin1String(c.column))), c.expected) << c.column;
}

TEST(PrediccionClaseTest, ReadsTheMarkOfItsPositionOnEveryVisitedLine) {
  const QStringList lines{QStringLiteral("03/01/2020   04-09+"), QStringLiteral("02/01/2020   07+09-"),
                          QStringLiteral("01/01/2020   04-09+"), QString()};
  EXPECT_EQ(MarkColumn(lines, u"B1"), QStringLiteral("0100"));
  EXPECT_EQ(MarkColumn(lines, u"B2"), QStringLiteral("1010"));
  EXPECT_EQ(MarkColumn(lines, u"B3"), QStringLiteral("0000"));  // beyond the lines: never "+"
  EXPECT_EQ(MarkColumn(VisitedLines(Report(lines.mid(0, 3))), u"B2"), QStringLiteral("1010"));
}

// Source panes of a two-position lottery, written by hand so that every code can be seen.
PaneTexts HandPanes() {
  PaneTexts panes;
  panes.fill(QStringLiteral(" "));
  panes[Pane::Frecuencia] = Report({QStringLiteral("B1"), QStringLiteral("07% -->  3"), QStringLiteral("04$ -->  2"),
                                    QStringLiteral("09# -->  1"), QString(), QStringLiteral("B2"),
                                    QStringLiteral("09# -->  4"), QStringLiteral("02# -->  1")});
  panes[Pane::LeyTercio] = Report({QStringLiteral("B1"), QStringLiteral("07$ -->  2"), QStringLiteral("09# -->  0"),
                                   QString(), QStringLiteral("B2"), QStringLiteral("09% -->  3")});
  // Mean cycle of B1: 7 / 2 = 3.5, rounded to 4.
  panes[Pane::CicloAparicion] =
      Report({QStringLiteral("B1"), QStringLiteral("07% -->  2"), QStringLiteral("04$ -->  5"), QString(),
              QStringLiteral("B2"), QStringLiteral("09# -->  1")});
  panes[Pane::PronosticoM1] = Report({QStringLiteral("B1"), QStringLiteral("09# -->  6")});
  panes[Pane::Consecutivos] = Report({QStringLiteral("01/01/2020   04+05+")});
  // Even marks B1 "1010" (predicts odd), B2 "0000" (odd); prime marks B1 "1100" (a tie: not prime), B2 "0100" (prime).
  panes[Pane::ParesImparesM1] = Report({QStringLiteral("03/01/2020   04+09-"), QStringLiteral("02/01/2020   07-09-"),
                                        QStringLiteral("01/01/2020   04+09-")});
  panes[Pane::PrimosM1] = Report({QStringLiteral("03/01/2020   07+09-"), QStringLiteral("02/01/2020   07+02+"),
                                  QStringLiteral("01/01/2020   04-09-")});
  return panes;
}

TEST(AnalisisIATest, GathersTheVerdictsOfTheSourcePanes) {
  const History h = MakeHistory(2, {{7, 2}, {4, 9, 2}});  // the spare third column never counts for RE
  ReportText report;
  ASSERT_EQ(AnalisisIA(HandPanes(), HistoryView(h), report, NoHooks()), AnalysisOutcome::Done);
  EXPECT_EQ(report.Text(), Report({
                               QStringLiteral("B1"), QStringLiteral("07% -->  FR%LT$ CA%--? --?--?--?PR)"),
                               QStringLiteral("04¡ -->  FR$--? --?--? CO&RE/PA(--?"),  // no LT line; cycle 5 > 4
                               QStringLiteral("09% -->  FR#LT# --?PC# --?RE/--?--?"),  // no cycle line
                               QString(), QStringLiteral("B2"), QStringLiteral("09% -->  FR#LT% CA#--? --?RE/--?--?"),
                               QStringLiteral("02% -->  FR#--? --?--? --?--?PA(PR)"),  // even, but prime is predicted
                           }));
}

TEST(AnalisisIATest, SurroundingSpacesOfThePanesAreIgnoredAndEmptyPanesGiveNoLines) {
  const History h = MakeHistory(2, {{7, 2}, {4, 9}});
  ReportText plain;
  AnalisisIA(HandPanes(), HistoryView(h), plain, NoHooks());
  PaneTexts padded = HandPanes();
  for (QString& text : padded) text = QStringLiteral("  ") + text + QStringLiteral("   ");
  ReportText report;
  AnalisisIA(padded, HistoryView(h), report, NoHooks());
  EXPECT_EQ(report.Text(), plain.Text());

  PaneTexts empty;
  empty.fill(QStringLiteral(" "));
  ReportText nothing;
  EXPECT_EQ(AnalisisIA(empty, HistoryView(h), nothing, NoHooks()), AnalysisOutcome::Done);
  EXPECT_EQ(nothing.Text(), QString());
}

TEST(AnalisisIATest, StopsAtTheFirstLineOnceAStopIsRequested) {
  struct StopHooks : StepHooks {
    int steps = 0;
    void Step() override { ++steps; }
    bool StopRequested() const override { return steps >= 3; }
  } hooks;
  const History h = MakeHistory(2, {{7, 2}});
  ReportText report;
  EXPECT_EQ(AnalisisIA(HandPanes(), HistoryView(h), report, hooks), AnalysisOutcome::Stopped);
  EXPECT_EQ(hooks.steps, 3);
  EXPECT_EQ(test::Lines(report).size(), 3);  // two lines written, nothing after
}

}  // namespace
}  // namespace tombolix
