#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QUrl>

#include <algorithm>
#include <vector>

namespace tombolix {
namespace {

TEST(MessageTable, SpacesQuotesAndLineBreaksThatArePartOfTheTexts) {
  EXPECT_EQ(Msg(29), QStringLiteral("Procesando... "));
  EXPECT_EQ(Msg(28), QStringLiteral("Autoajuste [ "));
  EXPECT_EQ(Msg(24), QStringLiteral(" sorteos encontrados"));
  EXPECT_EQ(Msg(26), QStringLiteral("     ERROR : HISTORIAL NO VÁLIDO"));
  EXPECT_EQ(Msg(46), QStringLiteral("       Ningún patrón encontrado"));
  EXPECT_EQ(Msg(17), QStringLiteral("Un acceso directo con el nombre \"Tombolix\" ha sido creado en el escritorio."));
  EXPECT_EQ(Msg(43), QStringLiteral("             ADVERTENCIA\r\n      Jugar varias o todas las\r\n"
                                    "     combinaciones sólo hará que\r\n    pierdas tiempo y mucho dinero"));
  EXPECT_EQ(MessageTitle(39), QStringLiteral("Tombolix - Imposible Continuar"));
}

TEST(MessageTable, EntriesNoOneReadsStayEmpty) {
  const std::vector<int> listed{2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 17, 18, 24, 26, 27, 28, 29,
                                35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55};
  for (int i = 0; i < kMessageCount; ++i) {
    const bool expected = std::find(listed.begin(), listed.end(), i) != listed.end();
    EXPECT_EQ(!Msg(i).isEmpty(), expected) << "entry " << i;
  }
}

TEST(WebAddresses, AreValidAddressesThatReachNoRealSite) {
  const WebAddresses& a = Addresses();
  EXPECT_EQ(Msg(35), a.productPage);
  EXPECT_EQ(Msg(36), a.helpVideoPage);
  for (const QString& address :
       {a.productPage, a.helpVideoPage, a.ticketsPage, a.donationPage, a.promotionalPage, a.historyDownloads}) {
    const QUrl url(address, QUrl::StrictMode);
    EXPECT_TRUE(url.isValid()) << address.toStdString();
    EXPECT_EQ(url.scheme(), QStringLiteral("https"));
    EXPECT_TRUE(url.host().endsWith(QLatin1String(".example"))) << address.toStdString();
  }
  EXPECT_TRUE(a.contactLine.contains(QLatin1String("@tombolix.example")));
}

TEST(AnalysisList, RowsAndSeparators) {
  const QStringList rows = AnalysisListRows();
  ASSERT_EQ(rows.size(), kAnalysisRowCount);
  const QString separator(26, QChar(0x00AF));
  for (int row : {2, 5, 8, 11, 16, 19, 21}) {
    EXPECT_EQ(rows[row], separator) << "row " << row;
    EXPECT_EQ(rows[row].size(), 26);
  }
  EXPECT_TRUE(rows[0].isEmpty());
  EXPECT_TRUE(rows[22].isEmpty());
  const std::vector<std::pair<int, int>> shown{{1, 2},  {3, 3},   {4, 4},   {6, 5},   {7, 6},   {9, 7},   {10, 8},
                                               {12, 9}, {13, 10}, {14, 11}, {15, 40}, {17, 12}, {18, 13}, {20, 48}};
  for (const auto& [row, message] : shown) {
    EXPECT_EQ(rows[row], Msg(message)) << "row " << row;
    EXPECT_FALSE(IsSeparatorRow(row)) << "row " << row;
  }
  for (int row : {0, 2, 5, 8, 11, 16, 19, 21, 22, -1, 23}) EXPECT_TRUE(IsSeparatorRow(row)) << "row " << row;
}

}  // namespace
}  // namespace tombolix
