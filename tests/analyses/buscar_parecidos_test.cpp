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

// Three positions; draw 4 comes from a longer line and keeps 5 in its spare fourth column.
History SearchHistory() { return MakeHistory(3, {{5, 9, 1}, {9, 5, 2}, {5, 5, 3}, {1, 2, 3, 5}, {5, 9, 4}}); }

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
