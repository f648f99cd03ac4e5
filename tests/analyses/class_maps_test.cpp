#include "analyses/even_odd_maps.h"
#include "analyses/prime_maps.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::Crlf;
using test::DrawDateText;
using test::MakeHistory;

TEST(EvenOddMapTest, ZeroIsEvenAndThreePositionsGroupOnTwo) {
  const History h = MakeHistory(3, {{1, 3, 5}, {0, 4, 5}, {2, 4, 6}});
  AnalysisArrays arrays;
  ReportText m1;
  EvenOddMapM1(HistoryView(h), 100, arrays, m1, NoHooks());
  const QStringList rows{DrawDateText(3) + QStringLiteral("   02+04+06+"),
                         DrawDateText(2) + QStringLiteral("   00+04+05-"),
                         DrawDateText(1) + QStringLiteral("   01-03-05-")};
  EXPECT_EQ(arrays.EvenOddMapRows, rows + QStringList{QString()});  // newest first, then the spare
  // Draw 3 takes draw 2 (2 of 3 alike); draw 1 shares one position only and is not shown.
  ReportText m2;
  EvenOddMapM2(arrays, 3, m2, NoHooks());
  EXPECT_EQ(m2.Text(), rows[0] + Crlf() + rows[1] + Crlf(2));
}

TEST(PrimeMapTest, SixPositionsGroupOnFourNotOnThreeAndTheNeitherClassMatches) {
  // Classes, newest first: draw 3 ++++--, draw 2 +++-++ (3 of 6 alike), draw 1 ++++-+ (5 of 6).
  AnalysisArrays arrays;
  ReportText m1;
  MapaPrimos(HistoryView(MakeHistory(6, {{2, 3, 5, 7, 4, 11}, {2, 3, 5, 4, 7, 11}, {2, 3, 5, 7, 4, 6}})), 100, arrays,
             m1, NoHooks());
  const QStringList lines = arrays.PrimeLines;
  ReportText m2;
  GruposPrimos(arrays, 6, m2, NoHooks());
  EXPECT_EQ(m2.Text(), lines[0] + Crlf() + lines[2] + Crlf(2));

  // 0 and 1 are neither prime nor composite, and that class groups like any other.
  ReportText n1;
  MapaPrimos(HistoryView(MakeHistory(2, {{0, 1}, {1, 0}})), 100, arrays, n1, NoHooks());
  const QString groups =
      DrawDateText(2) + QStringLiteral("   01&00&\r\n") + DrawDateText(1) + QStringLiteral("   00&01&\r\n");
  EXPECT_EQ(n1.Text(), groups + Crlf());
  ReportText n2;
  GruposPrimos(arrays, 2, n2, NoHooks());
  EXPECT_EQ(n2.Text(), groups + Crlf());
}

}  // namespace
}  // namespace tombolix
