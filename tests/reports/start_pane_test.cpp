#include "reports/start_pane.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(StartPaneText, CentredOnThirtyEightColumnsThenFourLineBreaks) {
  // L = digits + 20; the indent is (38 - L) \ 2.
  EXPECT_EQ(StartPaneText(1), QStringLiteral("        1 sorteos encontrados\r\n\r\n\r\n\r\n"));       // 17 \ 2 = 8
  EXPECT_EQ(StartPaneText(99), QStringLiteral("        99 sorteos encontrados\r\n\r\n\r\n\r\n"));     // 16 \ 2 = 8
  EXPECT_EQ(StartPaneText(1500), QStringLiteral("       1500 sorteos encontrados\r\n\r\n\r\n\r\n"));  // 14 \ 2 = 7
  EXPECT_EQ(StartPaneText(0), QStringLiteral("\r\n\r\n\r\n\r\n"));
}

TEST(RejectionText, ErrorBlankLineTheLineAsReadThenALineBreak) {
  EXPECT_EQ(RejectionText(QStringLiteral("2023-03-01,4,8,15,16,23")),
            QString::fromUtf8("     ERROR : HISTORIAL NO VÁLIDO\r\n\r\n2023-03-01,4,8,15,16,23\r\n"));
  EXPECT_EQ(RejectionText(QString()), QString::fromUtf8("     ERROR : HISTORIAL NO VÁLIDO\r\n\r\n\r\n"));
}

}  // namespace
}  // namespace tombolix
