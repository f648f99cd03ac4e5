#include "app/forecast_chance.h"
#include "analyses/analisis_ia.h"
#include "app/command.h"
#include "support/loaded_program.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

PaneTexts AllPaneTexts(const WindowModel& model) {
  PaneTexts texts;
  for (int i = 0; i < kPaneCount; ++i)
    texts[static_cast<size_t>(i)] = model.RtfReporte[static_cast<size_t>(i)].report.Text();
  return texts;
}

class ForecastChanceReplay : public LoadedProgramTest {
 protected:
  void SetUp() override { Load(SixNumberHistory(160)); }
};

// Nothing before the pane holds its report, nor for another pane; a cancelled replay
// ends at once and leaves every pane and the selectors as they were.
TEST_F(ForecastChanceReplay, RefusesUntilReadyAndCancelChangesNothing) {
  TombolixApp& app = run.App();
  EXPECT_FALSE(CompareForecastWithChance(app.Model(), Pane::PronosticoM1, 0, {}));
  app.RunCommand(Command::AnalisisIa);  // fills panes 7 and 20
  for (const int pane : {int{Pane::PronosticoM1}, int{Pane::ResumenIA}}) {
    const auto panes = AllPaneTexts(run.Model());
    const auto selectors = run.Model().CboBal;
    int calls = 0;
    EXPECT_FALSE(CompareForecastWithChance(app.Model(), pane, 0, [&calls](int) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(AllPaneTexts(run.Model()), panes);
    for (size_t k = 1; k <= kMaxPositions; ++k) EXPECT_EQ(run.Model().CboBal[k].items, selectors[k].items);
    const auto whole = CompareForecastWithChance(app.Model(), pane, 0, {});
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->replay.forecast.draws, 100);
    EXPECT_TRUE(whole->Judged());
    EXPECT_EQ(whole->replay.naive.trials, 100 * run.Model().history.PositionCount);
    EXPECT_LE(whole->replay.forecast.trials, whole->replay.naive.trials);
  }
  EXPECT_FALSE(CompareForecastWithChance(app.Model(), Pane::Frecuencia, 0, {}));
}

// The highlighted values the replay weighs are those whose summary line shows "%".
TEST_F(ForecastChanceReplay, HighlightsAgreeWithTheSummaryText) {
  run.App().RunCommand(Command::AnalisisIa);
  const SummaryHighlights h = AnalisisIAHighlights(AllPaneTexts(run.Model()), HistoryView(run.Model().history));
  QStringList expected;
  for (size_t k = 1; k <= kMaxPositions; ++k) {
    for (const quint8 v : h.highlighted[k]) expected << QStringLiteral("%1%").arg(v, 2, 10, QLatin1Char('0'));
  }
  EXPECT_FALSE(expected.isEmpty());
  const QStringList lines = Report(Pane::ResumenIA).Text().split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^\\d\\d%")))
                .replaceInStrings(QRegularExpression(QStringLiteral("^(...).*")), QStringLiteral("\\1")),
            expected);
}

}  // namespace
}  // namespace tombolix::test
