// Every analysis on histories of awkward sizes and lotteries of every width:
// the layouts hold, nothing is read outside the draws, and nothing is left as
// "not computed".
#include "analyses/ciclo_aparicion.h"
#include "analyses/consecutive_numbers.h"
#include "analyses/even_odd_maps.h"
#include "analyses/frequency.h"
#include "analyses/ley_del_tercio.h"
#include "analyses/prime_maps.h"
#include "analyses/pronostico_ciclo.h"
#include "analyses/repeated_numbers.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tombolix {
namespace {

using testing::Lines;

class SweepTest : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  int positions() const { return std::get<0>(GetParam()); }
  int draws() const { return std::get<1>(GetParam()); }
  // Digit games for 3 and 4 positions, pick games otherwise.
  History MakeIt() const { return testing::PatternHistory(positions(), draws(), positions() <= 4 ? 9 : 45); }

  // Every line of a draw-line report: date, numbers and marks from `marks`.
  void ExpectDrawLines(const ReportText& report, int expectedLines, const QString& marks) const {
    const QStringList lines = Lines(report);
    ASSERT_EQ(lines.size(), expectedLines + 2);
    for (int i = 0; i < expectedLines; ++i) {
      ASSERT_EQ(lines[i].size(), 13 + 3 * positions()) << lines[i].toStdString();
      for (int k = 1; k <= positions(); ++k) EXPECT_TRUE(marks.contains(lines[i].at(12 + 3 * k)));
    }
    EXPECT_TRUE(lines[expectedLines].isEmpty());
  }
};

TEST_P(SweepTest, ValueReportsListEveryPositionInOrder) {
  const History h = MakeIt();
  const HistoryView view(h);
  const SelectorLists lists = FillSelectors(view, 0).lists;
  for (auto run : {&ComputeFrequency, &LeyDelTercio, &CicloAparicion, &PronosticoCiclo}) {
    ReportText report{QString()};
    run(view, lists, report, NoHooks());
    int from = 0;
    for (int k = 1; k <= positions(); ++k) {
      const int at = report.Text().indexOf(QStringLiteral("B%1").arg(k), from);
      ASSERT_GE(at, from);
      from = at;
    }
    EXPECT_TRUE(report.Text().endsWith(QStringLiteral("\r\n\r\n")));
  }
  PositionByteArrays third = AnalysisArrays().ThirdLawArrays;
  LeyDelTercioSilent(view, lists, third);
  for (int k = 1; k <= positions(); ++k) {
    const auto& a = third[static_cast<size_t>(k)];
    ASSERT_GE(a.size(), 3u);
    EXPECT_GE(a.front(), kThirdLawCodeLower);  // opens with a group code
    EXPECT_EQ(a.back(), 0);
  }
}

TEST_P(SweepTest, DrawLineReportsKeepTheirLayout) {
  const History h = MakeIt();
  const HistoryView view(h);
  const int recent = std::min(draws(), 100);
  ReportText consecutive{QString()};
  ConsecutiveNumbers(view, consecutive, NoHooks());
  ExpectDrawLines(consecutive, recent, QStringLiteral("+&"));
  ReportText repeated{QString()};
  RepeatedNumbers(view, repeated, NoHooks());
  ExpectDrawLines(repeated, recent, QStringLiteral("+-&"));

  AnalysisArrays arrays;
  ReportText evenOdd{QString()};
  EvenOddMapM1(view, 100, arrays, evenOdd, NoHooks());
  ExpectDrawLines(evenOdd, recent, QStringLiteral("+-"));
  ReportText primes{QString()};
  MapaPrimos(view, 100, arrays, primes, NoHooks());
  ExpectDrawLines(primes, recent, QStringLiteral("&+-"));
  ReportText forecast{QString()};
  MapaPronosticoCiclo(view, FillSelectors(view, 0).lists, 100, arrays.ForecastArrays, forecast, NoHooks());
  ExpectDrawLines(forecast, recent, QStringLiteral("&%$#"));

  ReportText groups{QString()};
  EvenOddMapM2(arrays, positions(), groups, NoHooks());
  GruposPrimos(arrays, positions(), groups, NoHooks());
  for (const QString& row : arrays.EvenOddMapRows + arrays.PrimeLines) EXPECT_TRUE(row.isEmpty());
}

TEST_P(SweepTest, ReplayMapRowsMatchTheReplayedDraws) {
  const History h = MakeIt();
  AnalysisArrays arrays;
  ReportText m1{QString()};
  ASSERT_EQ(FrequencyMapM1(h, 100, arrays, m1, NoHooks()), AnalysisOutcome::Done);
  EXPECT_EQ(h.DrawCount, draws());
  if (draws() > 100) {
    ExpectDrawLines(m1, 100, QStringLiteral("&%$#"));
    EXPECT_EQ(arrays.FrequencyMapRows.size(), 100);
  }
  ReportText m2{QString()};
  FrequencyMapM2(arrays, positions(), m2, NoHooks());
  for (const QString& row : arrays.FrequencyMapRows) EXPECT_TRUE(row.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Histories, SweepTest,
                         ::testing::Combine(::testing::Values(2, 3, 4, 6, 7),
                                            ::testing::Values(1, 2, 99, 100, 101, 150)));

}  // namespace
}  // namespace tombolix
