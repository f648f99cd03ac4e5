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

}  // namespace
}  // namespace tombolix
