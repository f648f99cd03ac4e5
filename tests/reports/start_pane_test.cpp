#include "reports/start_pane.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The count is centred on 38 columns (L = digits + 20, indent (38 - L) \ 2); no draws, no line.
TEST(StartPaneText, CentredOnThirtyEightColumnsThenFourLineBreaks) {
  const QString breaks = QStringLiteral("\r\n\r\n\r\n\r\n");
  EXPECT_EQ(StartPaneText(1), QStringLiteral("        1 sorteos encontrados") + breaks);
  EXPECT_EQ(StartPaneText(99), QStringLiteral("        99 sorteos encontrados") + breaks);
  EXPECT_EQ(StartPaneText(1500), QStringLiteral("       1500 sorteos encontrados") + breaks);
  EXPECT_EQ(StartPaneText(0), breaks);
}

}  // namespace
}  // namespace tombolix
