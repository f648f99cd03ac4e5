#include "analyses/report_lines.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(RankClassTest, ThirdsByIntegerDivision) {
  const struct {
    int n;
    const char* classes;
  } cases[] = {{1, "#"}, {2, "##"}, {3, "%$#"}, {10, "%%%$$$####"}, {11, "%%%$$$#####"}};
  for (const auto& c : cases) {
    QString classes;
    for (int r = 1; r <= c.n; ++r) classes.append(RankClass(r, c.n));
    EXPECT_EQ(classes, QLatin1String(c.classes)) << c.n;
  }
}

}  // namespace
}  // namespace tombolix
