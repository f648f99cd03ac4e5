#include "app/pane_table.h"
#include "texts/messages.h"
#include "texts/readme_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix {
namespace {

// The list shows each pane's title on its row and the history-download row;
// empty rows, the rows of overlines and any row outside the list start nothing.
TEST(AnalysisList, RowsFollowThePaneTable) {
  const QStringList rows = AnalysisListRows();
  ASSERT_EQ(rows.size(), kAnalysisRowCount);
  for (int row = -1; row <= kAnalysisRowCount; ++row) {
    SCOPED_TRACE(row);
    const bool separator =
        row < 0 || row >= kAnalysisRowCount || rows[row].isEmpty() || rows[row] == QString(26, QChar(0x00AF));
    EXPECT_EQ(IsSeparatorRow(row), separator);
    if (const PaneRow* pane = PaneForListRow(row)) {
      EXPECT_EQ(rows[row], Msg(pane->titleMessage));
    }
  }
  EXPECT_EQ(rows[kBuscarHistorialesRow], Msg(TxtBuscarHistoriales));
}

// The read-me names each list row's key with the row's own text.
TEST(AnalysisList, ReadmeNamesEachRowsKey) {
  const QStringList readme = ReadmeLines(WebAddresses{});
  for (const PaneRow& row : PaneTable()) {
    if (row.listKey == 0) continue;
    const QString line =
        QStringLiteral("Tecla \"%1\" : %2").arg(QString(QLatin1Char(row.listKey)), Msg(row.titleMessage));
    EXPECT_TRUE(std::any_of(readme.begin(), readme.end(), [&line](const QString& l) { return l.trimmed() == line; }))
        << line.toStdString();
  }
}

}  // namespace
}  // namespace tombolix
