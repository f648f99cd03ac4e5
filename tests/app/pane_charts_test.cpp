#include "app/pane_charts.h"
#include "app/command.h"
#include "app/export_names.h"
#include "app/pane_table.h"
#include "support/loaded_program.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace tombolix::test {
namespace {

// The (value, number) pairs of a value report, in order: "07% -->  14".
std::vector<std::pair<QString, int>> ValueLinesOf(const QString& report) {
  std::vector<std::pair<QString, int>> lines;
  static const QRegularExpression line(QStringLiteral("^(\\d\\d). -->  (\\d+)$"), QRegularExpression::MultilineOption);
  for (auto it = line.globalMatch(QString(report).remove(u'\r')); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    lines.emplace_back(m.captured(1), m.captured(2).toInt());
  }
  return lines;
}

class PaneCharts : public LoadedProgramTest {
 protected:
  void SetUp() override { Load(SixNumberHistory(150)); }
};

// A chart draws exactly the numbers its report prints, position by position,
// and nothing before the report exists or while the window is busy.
TEST_F(PaneCharts, BarsAreTheReportsOwnNumbers) {
  for (const int pane : {Pane::Frecuencia, Pane::CicloAparicion}) {
    SCOPED_TRACE(pane);
    EXPECT_FALSE(ChartOfPane(run.App(), pane, 10, 1));
    run.App().LstFormula_Click(PaneInfo(pane).listRow);
    const std::optional<PaneChart> chart = ChartOfPane(run.App(), pane, 10, 1);
    ASSERT_TRUE(chart);
    ASSERT_EQ(chart->tabs.size(), 6u);
    std::vector<std::pair<QString, int>> bars;
    for (const ChartTab& tab : chart->tabs) {
      for (const ChartBar& bar : tab.bars) bars.emplace_back(bar.label, bar.height);
    }
    EXPECT_EQ(bars, ValueLinesOf(Report(pane).Text()));
    run.Model().busy = true;
    EXPECT_FALSE(ChartOfPane(run.App(), pane, 10, 1));
    run.Model().busy = false;
  }
  EXPECT_FALSE(ChartOfPane(run.App(), Pane::LeyTercio, 10, 1));
}

// The back-test's chart: the random lists' draws hit as bars, the list's own
// figure in red, the counts adding up to the lists drawn.
TEST_F(PaneCharts, BackTestAgainstChance) {
  run.App().RunCommand(Command::Combinaciones);
  const std::optional<PaneChart> chart = ChartOfPane(run.App(), Pane::GeneradorM1, 50, 7);
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->tabs.size(), 2u);
  for (const ChartTab& tab : chart->tabs) {
    int lists = 0;
    int red = 0;
    for (const ChartBar& bar : tab.bars) {
      lists += bar.height;
      red += bar.colour == MakeRgb(255, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(lists, 50);
    EXPECT_EQ(red, 1);
  }
}

TEST(ExportNames, LotteryAndReportWithoutCharactersAFileNameCannotHold) {
  EXPECT_EQ(ReportFileName(QStringLiteral("Loto Ejemplo 6-45"), Pane::Frecuencia, u"pdf"),
            QStringLiteral("Loto Ejemplo 6-45 - Frecuencia.pdf"));
  EXPECT_EQ(ReportFileName(QStringLiteral("A/B:C*?"), Pane::MapaFrecuenciaM2, u"html"),
            QStringLiteral("A-B-C-- - Mapa de la Frecuencia M2.html"));
  EXPECT_EQ(ReportFileName(QString(), Pane::Start, u"pdf"), QStringLiteral("Inicio.pdf"));
}

}  // namespace
}  // namespace tombolix::test
