#include "combinations/chance_baseline.h"

#include "combination_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tombolix {
namespace {

using test::MakeHistory;
using test::MakeList;
using test::Tags;

// `count` copies of one combination.
test::TestList Repeated(int positions, const std::vector<int>& combination, int count) {
  return MakeList(positions, std::vector<std::vector<int>>(static_cast<size_t>(count), combination));
}

void ExpectConstant(const ChanceFigures& f, int hitDraws, int successes, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(std::vector<double>({f.meanHitDraws, double(f.lowHitDraws), double(f.highHitDraws)}),
            std::vector<double>(3, hitDraws));
  EXPECT_EQ(std::vector<double>({f.meanSuccesses, double(f.lowSuccesses), double(f.highSuccesses)}),
            std::vector<double>(3, successes));
  EXPECT_NEAR(f.expectedHitDraws, hitDraws, 1e-9);
  EXPECT_NEAR(f.expectedSuccesses, successes, 1e-6);
}

TEST(ChanceBaseline, ALotteryWhereEveryRandomCombinationHits) {
  // Every draw is a shuffle of 1..4, every position pooled: whatever each
  // position takes from 1..4, all four numbers are in the draw.
  std::vector<std::vector<int>> draws;
  for (int d = 0; d < 120; ++d) draws.push_back({1 + d % 4, 1 + (d + 1) % 4, 1 + (d + 2) % 4, 1 + (d + 3) % 4});
  const History h = MakeHistory(4, draws);
  const test::TestList list = Repeated(4, {1, 2, 3, 4}, 100);
  const SelectorLists lists = test::Lists({{1, 2, 3, 4}, {4, 3, 2, 1}, {2, 4}, {3}});
  const ChanceBaseline b = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0"), 100, 1);
  EXPECT_EQ(b.listSize, 100);
  EXPECT_EQ(b.drawsTested, 100);
  EXPECT_EQ(b.listHitDraws, 100);
  EXPECT_EQ(b.listSuccesses, 100 * 100);
  ExpectConstant(b.fromSelectors, 100, 100 * 100, "selectors");
  ExpectConstant(b.fromHistory, 100, 100 * 100, "history");
}

TEST(ChanceBaseline, MonteCarloMeansMeetTheExactExpectationsAndTheSeedReproduces) {
  const History h = test::PatternHistory(5, 300, 20);
  const test::TestList list = Repeated(5, {1, 2, 3, 4, 5}, 50);
  const SelectorLists lists =
      test::Lists({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10}, {11, 12, 13}, {1, 14}, {15, 16, 17, 18, 19}});
  const ChanceBaseline b = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0 0"), 400, 42);
  for (const ChanceFigures* f : {&b.fromSelectors, &b.fromHistory}) {
    ASSERT_GT(f->expectedSuccesses, 5.0);
    EXPECT_NEAR(f->meanSuccesses, f->expectedSuccesses, 0.05 * f->expectedSuccesses);
    EXPECT_NEAR(f->meanHitDraws, f->expectedHitDraws, 0.05 * f->expectedHitDraws);
    EXPECT_TRUE(f->lowHitDraws <= f->meanHitDraws && f->meanHitDraws <= f->highHitDraws);
    EXPECT_TRUE(f->lowSuccesses <= f->meanSuccesses && f->meanSuccesses <= f->highSuccesses);
  }
  const ChanceBaseline again = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0 0"), 400, 42);
  EXPECT_EQ(again.fromHistory.meanSuccesses, b.fromHistory.meanSuccesses);
  EXPECT_EQ(again.fromSelectors.highHitDraws, b.fromSelectors.highHitDraws);
}

TEST(ChanceBaseline, SentenceAndCounts) {
  EXPECT_EQ(SpanishCount(999), QStringLiteral("999"));
  EXPECT_EQ(SpanishCount(1234567), QStringLiteral("1.234.567"));
  ChanceBaseline b;
  ChanceFigures f;
  b.randomLists = 1000, b.listHitDraws = 37, f.lowHitDraws = 29, f.highHitDraws = 41;
  EXPECT_EQ(ChanceSentence(b, f),
            QStringLiteral(
                "Su lista acertó 37 sorteos; 1.000 listas al azar del mismo tamaño acertaron entre 29 y 41 (95 %)."));
  b.listHitDraws = 1;
  f.lowHitDraws = f.highHitDraws = 1;
  EXPECT_EQ(
      ChanceSentence(b, f),
      QStringLiteral("Su lista acertó 1 sorteo; 1.000 listas al azar del mismo tamaño acertaron 1 sorteo (95 %)."));
}

}  // namespace
}  // namespace tombolix
