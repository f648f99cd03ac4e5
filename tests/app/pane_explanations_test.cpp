#include "app/key_help.h"
#include "app/key_table.h"
#include "app/pane_explanations.h"
#include "app/pane_table.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix {
namespace {

bool Explains(const PaneExplanation& e, Rgb colour) {
  return std::any_of(e.colours.begin(), e.colours.end(), [colour](const ColourKey& k) { return k.colour == colour; });
}

// Every report of the pane table explains itself, and explains every colour
// its passes paint (position labels and hidden marks aside).
TEST(PaneExplanations, EveryReportExplainsItsColours) {
  ASSERT_EQ(PaneExplanations().size(), PaneTable().size());
  for (const PaneRow& row : PaneTable()) {
    SCOPED_TRACE(row.toolName);
    const PaneExplanation& e = ExplanationOf(row.pane);
    EXPECT_EQ(e.pane, row.pane);
    EXPECT_GT(QString::fromUtf16(e.summary).size(), 20);
    EXPECT_GT(QString::fromUtf16(e.lines).size(), 20);
    for (const MarkPass& pass : row.colouring.passes) {
      if (pass.mark == QLatin1Char('B') || pass.colour == kWhite) continue;
      EXPECT_TRUE(Explains(e, pass.colour)) << "mark " << pass.mark.toLatin1();
    }
  }
}

TEST(PaneExplanations, SummaryLegendHasTheEightCodes) {
  const PaneExplanation& e = ExplanationOf(Pane::ResumenIA);
  QStringList codes;
  for (const CodeKey& k : e.codes) codes.append(QString::fromUtf16(k.code));
  EXPECT_EQ(codes.join(u' '), QStringLiteral("FR LT CA PC CO RE PA PR"));
}

// Each list row that opens a report has that report's sentence as tooltip;
// separators have none; "Buscar Historiales" has its own.
TEST(PaneExplanations, AnalysisRowsHaveTooltips) {
  const QStringList rows = AnalysisListRows();
  for (int row = 0; row < kAnalysisRowCount; ++row) {
    SCOPED_TRACE(row);
    const QString tip = AnalysisRowToolTip(row);
    if (const PaneRow* pane = PaneForListRow(row)) {
      EXPECT_EQ(tip, QString::fromUtf16(ExplanationOf(pane->pane).summary));
    } else if (rows.at(row) == Msg(TxtBuscarHistoriales)) {
      EXPECT_FALSE(tip.isEmpty());
    } else {
      EXPECT_TRUE(tip.isEmpty());
    }
  }
}

TEST(KeyHelp, OneLinePerKeyInWords) {
  const QList<KeyHelp> lines = KeyHelpLines();
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(KeyTable().size()));
  for (const KeyHelp& line : lines) {
    EXPECT_FALSE(line.keys.isEmpty());
    EXPECT_FALSE(line.action.isEmpty()) << line.keys.toStdString();
  }
  const auto has = [&lines](const char16_t* keys, const char16_t* action) {
    return std::any_of(lines.begin(), lines.end(), [&](const KeyHelp& l) {
      return l.keys == QString::fromUtf16(keys) && l.action == QString::fromUtf16(action);
    });
  };
  EXPECT_TRUE(has(u"Ctrl+F1", u"Abrir el Léame"));
  EXPECT_TRUE(has(u"Alt+3", u"Ir a la casilla B3"));
  EXPECT_TRUE(has(u"W", u"Frecuencia"));
  EXPECT_TRUE(has(u"F8", u"Botón REINICIAR"));
}

}  // namespace
}  // namespace tombolix
