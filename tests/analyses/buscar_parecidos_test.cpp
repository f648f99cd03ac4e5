#include "analyses/buscar_parecidos.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::MakeHistory;

PaneTexts EmptyPanes() {
  PaneTexts panes;
  panes.fill(QStringLiteral(" "));
  return panes;
}

SelectorTexts Texts(std::initializer_list<const char*> texts) {
  SelectorTexts out;
  out.fill(QStringLiteral("--"));
  size_t k = 1;
  for (const char* t : texts) out[k++] = QLatin1String(t);
  return out;
}

// The draw line the search writes: the draw's date, three spaces, numbers and marks.
QString Line(int d, const char* numbersAndMarks) {
  return test::DrawDateText(d) + QStringLiteral("   ") + QLatin1String(numbersAndMarks);
}

// Three positions; draw 4 comes from a longer line and keeps 5 in its spare fourth column.
History SearchHistory() { return MakeHistory(3, {{5, 9, 1}, {9, 5, 2}, {5, 5, 3}, {1, 2, 3, 5}, {5, 9, 4}}); }

QStringList Search(quint8 pane, const History& h, const SelectorTexts& texts, const PaneTexts& panes = EmptyPanes()) {
  ReportText report;
  EXPECT_EQ(BuscarParecidos(pane, HistoryView(h), texts, panes, report, NoHooks()), AnalysisOutcome::Done);
  return test::Lines(report);
}

TEST(BuscarParecidosTest, MarksEachResemblingDrawNewestFirst) {
  const QStringList draws{
      Line(5, "05;09;04}"),  // both chosen numbers at their own position
      Line(3, "05]05[03}"),  // all found, but 09 is missing: no ":"
      Line(2, "09:05:02}"),  // both found at the other position
      Line(1, "05;09;01}"), QString(), QStringLiteral("       4 sorteo(s) parecido(s)"),
  };
  // A typed digit is its two-digit number everywhere.
  for (const SelectorTexts& texts : {Texts({"05", "09", ""}), Texts({"5", "9", ""})}) {
    EXPECT_EQ(Search(0, SearchHistory(), texts).mid(4, 6), draws);
  }
  // No selector set finds nothing.
  const QStringList nothing{QString(), QString(), QStringLiteral("       0 sorteo(s) parecido(s)"), QString()};
  EXPECT_EQ(Search(0, SearchHistory(), Texts({"B1", "B2", "B3"})), nothing);
  EXPECT_EQ(Search(0, SearchHistory(), Texts({"", "", ""})), nothing);
}

TEST(BuscarParecidosTest, CountersOfOneDraw) {
  struct Case {
    SelectorTexts texts;
    int d;
    int exact, elsewhere, free;
    bool missing;
    const char* marks;  // positions 1..3
  };
  const Case cases[] = {
      {Texts({"05", "5", "B3"}), 4, 0, 0, 1, true, "{{{"},  // the 5 in the spare column never counts
      {Texts({"05", "05", "B3"}), 3, 2, 1, 1, false, "]]{"},
      // Two selectors holding 03: counted once elsewhere; the labelled third column is still searched.
      {Texts({"03", "03", "B3"}), 4, 0, 1, 1, true, "{{["},
      {Texts({"B1", "05", "B3"}), 3, 1, 1, 2, false, "[]{"},
      // An emptied selector's column is never searched.
      {Texts({"", "05", "B3"}), 3, 1, 0, 2, false, "}]{"},
      {Texts({"01", "03", "02"}), 4, 1, 2, 0, false, "][["},
  };
  const History h = SearchHistory();
  for (const Case& c : cases) {
    const DrawResemblance r = CompareDraw(HistoryView(h), c.d, SelectionFromSelectors(c.texts, 3));
    const QString marks = QString(r.marks[1]) + r.marks[2] + r.marks[3];
    EXPECT_EQ(std::tuple(r.exact, r.elsewhere, r.free, r.missing, marks),
              std::tuple(c.exact, c.elsewhere, c.free, c.missing, QLatin1String(c.marks)))
        << c.texts[1].toStdString() << " " << c.texts[2].toStdString() << " draw " << c.d;
  }
}

TEST(BuscarParecidosTest, LastDrawModeComparesRecentWithTheDrawBefore) {
  // The draw before the newest holds 9 (at another position) and not 5.
  const QStringList lines = Search(19, MakeHistory(3, {{1, 2, 3}, {9, 1, 2}, {5, 9, 4}}), Texts({}));
  EXPECT_EQ(lines[0], QStringLiteral("05¡ -->  --?--? --?--? --?--?--?PR="));
  EXPECT_EQ(lines[1], QStringLiteral("09¡ -->  --?--? --?--? --?RE*--?--?"));
  EXPECT_EQ(lines[2], QStringLiteral("04¡ -->  --?--? --?--? --?--?PA_--?"));
  EXPECT_EQ(lines[5], Line(3, "05;09;04;"));
}

TEST(BuscarParecidosTest, VerdictReadsTheSourcePanesByPositionAndValue) {
  PaneTexts panes = EmptyPanes();
  panes[Pane::Frecuencia] = QStringLiteral("B1\r\n05% -->  3\r\n\r\nB2\r\n09$ -->  2\r\n05# -->  1\r\n\r\n");
  panes[Pane::ResumenIA] = QStringLiteral("B1\r\n05% -->  FR%\r\n\r\nB2\r\n09¡ -->  FR$\r\n05¡ -->  FR#\r\n\r\n");
  panes[Pane::LeyTercio] = QStringLiteral("B1\r\n05# -->  0\r\n\r\nB2\r\n05% -->  2\r\n\r\n");
  panes[Pane::CicloAparicion] = QStringLiteral("B1\r\n05$ -->  2\r\n\r\nB2\r\n09% -->  3\r\n05# -->  6\r\n\r\n");
  panes[Pane::PronosticoM1] = QStringLiteral("B1\r\n\r\nB2\r\n09% -->  3\r\n\r\n");
  panes[Pane::Consecutivos] = QStringLiteral("01/01/2020   05+06+04&\r\n\r\n");
  const QStringList lines = Search(0, SearchHistory(), Texts({"5", "09", "B3"}), panes);
  // Mean cycle of B2: 9 / 2 = 4.5, rounded to 4: 09 (3) is within it; RE* reads the newest draw 05 09 04.
  EXPECT_EQ(lines[0], QStringLiteral("05% -->  FR%LT# CA$--? CO&RE*--?PR="));
  EXPECT_EQ(lines[1], QStringLiteral("09¡ -->  FR$--? CA%PC% --?RE*--?--?"));
}

TEST(BuscarParecidosTest, ShowsProgressPerDrawAndStopsAtOnce) {
  test::CountingHooks counting;
  ReportText report;
  const History h = SearchHistory();
  BuscarParecidos(0, HistoryView(h), Texts({"05"}), EmptyPanes(), report, counting);
  EXPECT_EQ(counting.progress, (std::vector<int>{0, 19, 38, 57, 76}));
  test::StopAfterHooks stop(0);
  EXPECT_EQ(BuscarParecidos(0, HistoryView(h), Texts({"05"}), EmptyPanes(), report, stop), AnalysisOutcome::Stopped);
}

}  // namespace
}  // namespace tombolix
