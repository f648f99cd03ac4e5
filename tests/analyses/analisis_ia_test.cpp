#include "analyses/analisis_ia.h"
#include "analyses/prediccion_clase.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// A report text of the given lines, then the empty line that closes every report.
QString Report(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n"); }
QStringList Split(const char* lines) { return QString(QLatin1String(lines)).split(u'|'); }

TEST(PrediccionClaseTest, VotesOnHandWrittenColumns) {
  const struct {
    const char* column;  // newest first
    bool expected;
  } cases[] = {
      {"1010101", false},                     // alternating: after a "1" came a "0"
      {"0101010", true},  {"110110", false},  // "1,1" after a "0" was followed by a "0" once
      {"1111", true},                         // all equal: the votes fall to the older marks
      {"0000", false},    {"11110", false},   // the closing empty line ends the run: R is all of S, no vote, a tie
      {"1001", false},                        // tie with R "10": the opposite of the newest "1"
      {"01", true},                           // tie with R "01"
      {"11", false},                          // empty R and a one-character T: no vote; a tie with empty R
      {"1", false},       {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PredictColumn(QString(QLatin1String(c.column))), c.expected) << c.column;
}

TEST(PrediccionClaseTest, ReadsTheMarkOfItsPositionOnEveryVisitedLine) {
  const QStringList lines = Split("03/01/2020   04-09+|02/01/2020   07+09-|01/01/2020   04-09+|");
  EXPECT_EQ(MarkColumn(lines, u"B1"), QStringLiteral("0100"));
  EXPECT_EQ(MarkColumn(lines, u"B3"), QStringLiteral("0000"));  // beyond the lines: never "+"
  EXPECT_EQ(MarkColumn(VisitedLines(Report(lines.mid(0, 3))), u"B2"), QStringLiteral("1010"));
}

// Source panes of a two-position lottery, written by hand so that every code can be seen.
PaneTexts HandPanes() {
  PaneTexts panes;
  panes.fill(QStringLiteral(" "));
  panes[Pane::Frecuencia] = Report(Split("B1|07% -->  3|04$ -->  2|09# -->  1||B2|09# -->  4|02# -->  1"));
  panes[Pane::LeyTercio] = Report(Split("B1|07$ -->  2|09# -->  0||B2|09% -->  3"));
  // Mean cycle of B1: 7 / 2 = 3.5, rounded to 4.
  panes[Pane::CicloAparicion] = Report(Split("B1|07% -->  2|04$ -->  5||B2|09# -->  1"));
  panes[Pane::PronosticoM1] = Report(Split("B1|09# -->  6"));
  panes[Pane::Consecutivos] = Report(Split("01/01/2020   04+05+"));
  // Even marks B1 "1010" (predicts odd), B2 "0000" (odd); prime marks B1 "1100" (a tie: not prime), B2 "0100" (prime).
  panes[Pane::ParesImparesM1] = Report(Split("03/01/2020   04+09-|02/01/2020   07-09-|01/01/2020   04+09-"));
  panes[Pane::PrimosM1] = Report(Split("03/01/2020   07+09-|02/01/2020   07+02+|01/01/2020   04-09-"));
  return panes;
}

TEST(AnalisisIATest, GathersTheVerdictsOfTheSourcePanesIgnoringSurroundingSpaces) {
  const History h = test::MakeHistory(2, {{7, 2}, {4, 9, 2}});  // the spare third column never counts for RE
  PaneTexts padded = HandPanes();
  for (QString& text : padded) text = QStringLiteral("  ") + text + QStringLiteral("   ");
  for (const PaneTexts& panes : {HandPanes(), padded}) {
    ReportText report;
    ASSERT_EQ(AnalisisIA(panes, HistoryView(h), report, NoHooks()), AnalysisOutcome::Done);
    EXPECT_EQ(report.Text(), Report({
                                 QStringLiteral("B1"), QStringLiteral("07% -->  FR%LT$ CA%--? --?--?--?PR)"),
                                 QStringLiteral("04¡ -->  FR$--? --?--? CO&RE/PA(--?"),  // no LT line; cycle 5 > 4
                                 QStringLiteral("09% -->  FR#LT# --?PC# --?RE/--?--?"),  // no cycle line
                                 QString(), QStringLiteral("B2"), QStringLiteral("09% -->  FR#LT% CA#--? --?RE/--?--?"),
                                 QStringLiteral("02% -->  FR#--? --?--? --?--?PA(PR)"),  // even, but prime is predicted
                             }));
  }
}

TEST(AnalisisIATest, StopsAtTheFirstLineOnceAStopIsRequested) {
  test::StopAfterHooks hooks(3);
  const History h = test::MakeHistory(2, {{7, 2}});
  ReportText report;
  EXPECT_EQ(AnalisisIA(HandPanes(), HistoryView(h), report, hooks), AnalysisOutcome::Stopped);
  EXPECT_EQ(hooks.steps, 3);
  EXPECT_EQ(test::Lines(report).size(), 3);  // two lines written, nothing after
}

}  // namespace
}  // namespace tombolix
