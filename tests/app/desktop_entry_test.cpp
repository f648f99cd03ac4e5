#include "app/desktop_entry.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(DesktopEntry, QuotesPathsThatLookLikeCommands) {
  const QString text =
      DesktopEntryText(QStringLiteral("/opt/a b/$HOME/\"x\"/50%/c\\d/tombolix"), QStringLiteral("/opt/a b\nc"));
  EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/a b/\\\\$HOME/\\\\\"x\\\\\"/50%%/c\\\\\\\\d/tombolix\"\n")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("\nPath=/opt/a b\\nc\n"))) << text.toStdString();
}

}  // namespace
}  // namespace tombolix
