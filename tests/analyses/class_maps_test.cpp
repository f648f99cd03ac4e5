#include "analyses/even_odd_maps.h"
#include "analyses/prime_maps.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using testing::CountingHooks;
using testing::DrawDateText;
using testing::MakeHistory;

TEST(EvenOddMapTest, ZeroIsEvenAndRowsAreKeptNewestFirst) {
  const History h = MakeHistory(3, {{0, 1, 2}, {9, 8, 7}});
  AnalysisArrays arrays;
  ReportText report{QString()};
  CountingHooks hooks;
  EvenOddMapM1(HistoryView(h), 100, arrays, report, hooks);
  const QString newest = DrawDateText(2) + QStringLiteral("   09-08+07-");
  const QString oldest = DrawDateText(1) + QStringLiteral("   00+01-02+");
  EXPECT_EQ(report.Text(), newest + testing::Crlf() + oldest + testing::Crlf(2));
  EXPECT_EQ(arrays.EvenOddMapRows, (QStringList{newest, oldest, QString()}));
  EXPECT_EQ(hooks.steps, 2);
}

TEST(EvenOddMapTest, ThreePositionsGroupOnTwo) {
  // Newest first: 2 of 3 agree with the first row.
  const History h = MakeHistory(3, {{1, 3, 5}, {2, 4, 5}, {2, 4, 6}});
  AnalysisArrays arrays;
  ReportText m1{QString()};
  EvenOddMapM1(HistoryView(h), 100, arrays, m1, NoHooks());
  const QStringList rows = arrays.EvenOddMapRows;
  ReportText m2{QString()};
  EvenOddMapM2(arrays, 3, m2, NoHooks());
  // Draw 3 (+++) takes draw 2 (++-); draw 1 (---) shares one position only.
  EXPECT_EQ(m2.Text(), rows[0] + testing::Crlf() + rows[1] + testing::Crlf(2));
  ReportText again{QString()};
  EvenOddMapM2(arrays, 3, again, NoHooks());
  EXPECT_TRUE(again.Text().isEmpty());
}

TEST(PrimeMapTest, ZeroAndOneAreNeitherPrimeNorComposite) {
  const History h = MakeHistory(6, {{0, 1, 2, 9, 97, 99}});
  AnalysisArrays arrays;
  ReportText report{QString()};
  MapaPrimos(HistoryView(h), 100, arrays, report, NoHooks());
  EXPECT_EQ(report.Text(), DrawDateText(1) + QStringLiteral("   00&01&02+09-97+99-\r\n\r\n"));
  EXPECT_EQ(arrays.PrimeLines.size(), 2);
}

TEST(PrimeMapTest, SixPositionsGroupOnFourNotOnThree) {
  // Classes, newest first: draw 3 ++++--, draw 2 +++-++ (3 of 6 alike), draw 1 ++++-+ (5 of 6).
  const History h = MakeHistory(6, {{2, 3, 5, 7, 4, 11}, {2, 3, 5, 4, 7, 11}, {2, 3, 5, 7, 4, 6}});
  AnalysisArrays arrays;
  ReportText m1{QString()};
  MapaPrimos(HistoryView(h), 100, arrays, m1, NoHooks());
  const QStringList lines = arrays.PrimeLines;
  ReportText m2{QString()};
  CountingHooks hooks;
  GruposPrimos(arrays, 6, m2, hooks);
  EXPECT_EQ(m2.Text(), lines[0] + testing::Crlf() + lines[2] + testing::Crlf(2));
  EXPECT_EQ(hooks.steps, 4);  // three lines and the spare
  ReportText again{QString()};
  GruposPrimos(arrays, 6, again, NoHooks());
  EXPECT_TRUE(again.Text().isEmpty());
}

TEST(PrimeMapTest, NeitherClassMatchesLikeAnyOther) {
  const History h = MakeHistory(2, {{0, 1}, {1, 0}});
  AnalysisArrays arrays;
  ReportText m1{QString()};
  MapaPrimos(HistoryView(h), 100, arrays, m1, NoHooks());
  ReportText m2{QString()};
  GruposPrimos(arrays, 2, m2, NoHooks());
  EXPECT_EQ(m2.Text(),
            DrawDateText(2) + QStringLiteral("   01&00&\r\n") + DrawDateText(1) + QStringLiteral("   00&01&\r\n\r\n"));
}

}  // namespace
}  // namespace tombolix
