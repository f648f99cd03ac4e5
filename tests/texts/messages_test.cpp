#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QUrl>

namespace tombolix {
namespace {

TEST(MessageTable, SpacesQuotesAndLineBreaksThatArePartOfTheTexts) {
  EXPECT_EQ(Msg(TxtProcesando), QStringLiteral("Procesando... "));
  EXPECT_EQ(Msg(TxtAutoajuste), QStringLiteral("Autoajuste [ "));
  EXPECT_EQ(Msg(TxtSorteosEncontrados), QStringLiteral(" sorteos encontrados"));
  EXPECT_EQ(Msg(TxtErrorHistorial), QStringLiteral("     ERROR : HISTORIAL NO VÁLIDO"));
  EXPECT_EQ(Msg(TxtNingunPatron), QStringLiteral("       Ningún patrón encontrado"));
  EXPECT_EQ(Msg(TxtAccesoDirectoCreado),
            QStringLiteral("Un acceso directo con el nombre \"Tombolix\" ha sido creado en el escritorio."));
  EXPECT_EQ(Msg(TxtAdvertencia),
            QStringLiteral("             ADVERTENCIA\r\n      Jugar varias o todas las\r\n"
                           "     combinaciones sólo hará que\r\n    pierdas tiempo y mucho dinero"));
  EXPECT_EQ(MessageTitle(TxtImposibleContinuar), QStringLiteral("Tombolix - Imposible Continuar"));
}

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
  EXPECT_FALSE(NoPageToolTip().isEmpty());
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
  for (int row : {0, 2, 5, 8, 11, 16, 19, 21, 22, -1, 23}) EXPECT_TRUE(IsSeparatorRow(row)) << "row " << row;
  EXPECT_FALSE(IsSeparatorRow(1));
  EXPECT_FALSE(IsSeparatorRow(20));
}

}  // namespace
}  // namespace tombolix
