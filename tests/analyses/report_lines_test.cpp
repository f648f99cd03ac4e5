#include "analyses/report_lines.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

QString Classes(int n) {
  QString s;
  for (int r = 1; r <= n; ++r) s.append(RankClass(r, n));
  return s;
}

TEST(RankClassTest, ThirdsByIntegerDivision) {
  EXPECT_EQ(Classes(1), QStringLiteral("#"));
  EXPECT_EQ(Classes(2), QStringLiteral("##"));  // t = 0: all lower
  EXPECT_EQ(Classes(3), QStringLiteral("%$#"));
  EXPECT_EQ(Classes(9), QStringLiteral("%%%$$$###"));
  EXPECT_EQ(Classes(10), QStringLiteral("%%%$$$####"));
  EXPECT_EQ(Classes(11), QStringLiteral("%%%$$$#####"));
  EXPECT_EQ(RankClass(0, 10), QChar(u'#'));  // out of range is never upper
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(5, 2), 2);  // 2.5
  EXPECT_EQ(RoundHalfEven(7, 2), 4);  // 3.5
  EXPECT_EQ(RoundHalfEven(1, 2), 0);  // 0.5
  EXPECT_EQ(RoundHalfEven(3, 2), 2);  // 1.5
  EXPECT_EQ(RoundHalfEven(10, 3), 3);
  EXPECT_EQ(RoundHalfEven(11, 3), 4);
  EXPECT_EQ(RoundHalfEven(0, 4), 0);
  EXPECT_EQ(RoundHalfEven(9, 1), 9);
}

TEST(ReportLinesTest, NumbersAndLines) {
  QString s;
  AppendTwoDigits(s, 0);
  AppendTwoDigits(s, 7);
  AppendTwoDigits(s, 42);
  AppendTwoDigits(s, 100);
  EXPECT_EQ(s, QStringLiteral("000742100"));

  QString line;
  AppendValueLine(line, 7, u'%', 14);
  EXPECT_EQ(line, QStringLiteral("07% -->  14"));

  QString start;
  AppendDrawLineStart(start, QStringLiteral("1/2/2020"));
  EXPECT_EQ(start, QStringLiteral("1/2/2020     "));
  EXPECT_EQ(start.size(), 13);
}

}  // namespace
}  // namespace tombolix
