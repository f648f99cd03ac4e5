#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QUrl>

namespace tombolix {
namespace {

// The addresses come from the build alone: each is empty (no page) or a
// whole web address; none is made up by the program.
TEST(WebAddresses, ComeFromTheBuildEmptyOrWhole) {
  const WebAddresses& a = Addresses();
  EXPECT_EQ(Msg(TxtPaginaProducto), a.productPage);
  EXPECT_EQ(Msg(TxtPaginaVideoAyuda), a.helpVideoPage);
  for (const QString& address :
       {a.productPage, a.helpVideoPage, a.ticketsPage, a.donationPage, a.promotionalPage, a.historyDownloads}) {
    if (address.isEmpty()) continue;
    const QUrl url(address, QUrl::StrictMode);
    EXPECT_TRUE(url.isValid() && !url.scheme().isEmpty()) << address.toStdString();
    EXPECT_FALSE(url.host().endsWith(QLatin1String(".example"))) << address.toStdString();
  }
  EXPECT_FALSE(a.contactEmail.contains(QLatin1String(".example")));
}

// Empty rows, the rows of overlines and any row outside the list are separators.
TEST(AnalysisList, SeparatorRowsAndRowsOutsideTheList) {
  const QStringList rows = AnalysisListRows();
  ASSERT_EQ(rows.size(), kAnalysisRowCount);
  for (int row = -1; row <= kAnalysisRowCount; ++row) {
    const bool separator =
        row < 0 || row >= kAnalysisRowCount || rows[row].isEmpty() || rows[row] == QString(26, QChar(0x00AF));
    EXPECT_EQ(IsSeparatorRow(row), separator) << "row " << row;
  }
  EXPECT_FALSE(IsSeparatorRow(20));
}

}  // namespace
}  // namespace tombolix
