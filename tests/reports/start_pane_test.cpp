#include "reports/start_pane.h"
#include "reports/panes.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(StartPaneText, CentredOnThirtyEightColumns) {
  // L = digits + 20; the indent is (38 - L) \ 2.
  EXPECT_EQ(StartPaneText(1), QStringLiteral("        1 sorteos encontrados\r\n\r\n\r\n\r\n"));       // 17 \ 2 = 8
  EXPECT_EQ(StartPaneText(99), QStringLiteral("        99 sorteos encontrados\r\n\r\n\r\n\r\n"));     // 16 \ 2 = 8
  EXPECT_EQ(StartPaneText(1500), QStringLiteral("       1500 sorteos encontrados\r\n\r\n\r\n\r\n"));  // 14 \ 2 = 7
}

TEST(StartPaneText, NoDrawsGivesOnlyTheLineBreaks) { EXPECT_EQ(StartPaneText(0), QStringLiteral("\r\n\r\n\r\n\r\n")); }

TEST(Panes, MapPanesAreTheTwelveOfThePairs) {
  int count = 0;
  for (int pane = -1; pane <= kPaneCount; ++pane) {
    if (IsMapPane(pane)) ++count;
  }
  EXPECT_EQ(count, 12);
  for (int pane : {3, 5, 7, 10, 12, 13, 14, 15, 16, 17, 18, 21}) EXPECT_TRUE(IsMapPane(pane)) << pane;
  for (int pane : {0, 1, 2, 4, 6, 8, 9, 11, 19, 20}) EXPECT_FALSE(IsMapPane(pane)) << pane;
}

}  // namespace
}  // namespace tombolix
