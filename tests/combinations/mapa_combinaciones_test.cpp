#include "combinations/mapa_combinaciones.h"

#include "combination_fixtures.h"
#include "combinations/index_colours.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Crlf;

// Position 1 forecasts 05 ("%") then 06 ("$"), position 2 only 20 as "#",
// position 3 forecasts 30 ("%") then 31 ("$"), position 4 nothing.
History ForecastHistory() {
  return test::MakeHistory(4, {{5, 20, 30, 40}, {6, 20, 31, 42}, {5, 20, 30, 41}, {6, 20, 31, 40}});
}
SelectorLists ForecastLists() { return test::Lists({{5, 6, 7}, {20}, {30, 31, 32}, {40, 41, 42}}); }

TEST(MapaCombinaciones, MarksTopThirdDueValuesAndSeparatesFirstNumbers) {
  const History h = ForecastHistory();
  const QStringList saved{QStringLiteral("  000001#    05 20 30 40 "), QStringLiteral("  000002%    05 20 31 41 "),
                          QStringLiteral("  000003%    06 20 30 42 ")};
  PositionTextArrays forecast = AnalysisArrays::SpareOnlyText();
  ReportText report{QString()};
  test::CountingHooks hooks;
  MapaCombinaciones(HistoryView(h), ForecastLists(), saved, forecast, report, hooks);
  EXPECT_EQ(forecast[1], (QStringList{QStringLiteral("05%"), QStringLiteral("06$"), QString()}));
  EXPECT_EQ(report.Text(), QStringLiteral("  000001#    05?20 30?40 ") + Crlf() +
                               QStringLiteral("  000002%    05?20 31 41 ") + Crlf(2) +
                               QStringLiteral("  000003%    06 20 30?42 ") + Crlf(2));
  EXPECT_EQ(hooks.steps, 3);
  EXPECT_EQ(hooks.progress, (std::vector<int>{33, 66, 100}));
  EXPECT_EQ(hooks.lastFlags, (std::vector<bool>{false, false, true}));
}

TEST(MapaCombinaciones, WithoutASavedListTheReportStaysEmpty) {
  const History h = ForecastHistory();
  const QStringList noRun;
  const QStringList stopped(kListSize, QString());
  // A short line reads nothing past its end: its missing numbers read as 00.
  const QStringList shortLine{QStringLiteral("  000001#    05")};
  for (const QStringList* saved : {&noRun, &stopped, &shortLine}) {
    PositionTextArrays forecast = AnalysisArrays::SpareOnlyText();
    ReportText report{QString()};
    MapaCombinaciones(HistoryView(h), ForecastLists(), *saved, forecast, report, NoHooks());
    EXPECT_EQ(report.Text(), saved == &shortLine ? QStringLiteral("  000001#    05?00 00 00 ") + Crlf(2) : QString());
  }
}

TEST(HitIndexes, ColourEightCharactersBeforeEachMarkAndStop) {
  const QString text =
      QStringLiteral("         1 sorteos acertados") + Crlf(3) + QStringLiteral("01/02/2020   01&02&03&04&") + Crlf() +
      QStringLiteral("  000001#    01-02-03-50 ") + Crlf() + QStringLiteral("  000007#    01-02-03-51 ") + Crlf();
  ReportText report(text);
  test::CountingHooks hooks;
  EXPECT_EQ(ColourHitIndexes(report, hooks), AnalysisOutcome::Done);
  EXPECT_EQ(hooks.steps, 2);
  const int mark = static_cast<int>(text.indexOf(u'#'));
  for (int i = mark - 8; i < mark; ++i) EXPECT_EQ(report.StyleAt(i).colour, kHitIndexColour) << i;
  EXPECT_EQ(report.StyleAt(mark).colour, kWhite);
  EXPECT_EQ(report.StyleAt(mark - 9).colour, kDefaultTextColour);
  EXPECT_EQ(report.StyleAt(mark + 1).colour, kDefaultTextColour);

  ReportText stopped(text);
  test::StopAfterHooks stop(1);
  EXPECT_EQ(ColourHitIndexes(stopped, stop), AnalysisOutcome::Stopped);
  EXPECT_EQ(stopped.StyleAt(mark).colour, kDefaultTextColour);
}

}  // namespace
}  // namespace tombolix
