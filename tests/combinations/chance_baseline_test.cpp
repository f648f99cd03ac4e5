#include "combinations/chance_baseline.h"
#include "combinations/back_test.h"
#include "combinations/chance_report.h"
#include "combinations/random_lists.h"

#include "combination_fixtures.h"

#include <QJsonValue>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace tombolix {
namespace {

using test::MakeHistory;
using test::MakeList;
using test::Tags;

// `count` copies of one combination.
test::TestList Repeated(int positions, const std::vector<int>& combination, int count) {
  return MakeList(positions, std::vector<std::vector<int>>(static_cast<size_t>(count), combination));
}

TEST(ChanceBaseline, RandomListsHoldOnlyTheAllowedCombinationsOnce) {
  // Every draw is a shuffle of 1..4, every position pooled: whatever each
  // position takes from 1..4, all four numbers are in the draw. Without a
  // number twice, only four combinations are allowed.
  std::vector<std::vector<int>> draws;
  for (int d = 0; d < 120; ++d) draws.push_back({1 + d % 4, 1 + (d + 1) % 4, 1 + (d + 2) % 4, 1 + (d + 3) % 4});
  const History h = MakeHistory(4, draws);
  const test::TestList list = Repeated(4, {1, 2, 3, 4}, 100);
  const SelectorLists lists = test::Lists({{1, 2, 3, 4}, {4, 3, 2, 1}, {2, 4}, {3}});
  const ChanceBaseline b = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0"), 250, 1);
  EXPECT_EQ(b.listSuccesses, 100 * 100);
  const ChanceFigures& f = b.fromSelectors;
  EXPECT_EQ(f.listSize, 4);
  EXPECT_EQ(std::vector<double>({f.meanSuccesses, double(f.lowSuccesses), double(f.highSuccesses)}),
            std::vector<double>(3, 4 * 100));
  EXPECT_NEAR(f.expectedSuccesses, 400, 1e-9);
  EXPECT_NEAR(f.expectedHitDraws, 100, 1e-9);
  EXPECT_EQ(b.Verdict(), ChanceVerdict::Above);
  EXPECT_EQ(RankWords(b), QStringLiteral("mejor que el 100 %"));
}

// Tiny games checked against brute force: every allowed combination listed,
// every list of three of them enumerated. Rises link pooled positions into an
// ascending run, two own positions, and a pooled with an own position.
TEST(ChanceBaseline, ExpectationsWithoutRepeatsMatchBruteForce) {
  const History h = test::PatternHistory(4, 130, 6);
  struct Case {
    const char* tags;
    ForcedRises rises;
    SelectorLists lists;
  } cases[] = {
      {"0 0 0 1", {}, test::Lists({{1, 2, 3}, {2, 3}, {1, 3, 4}, {5, 6}})},
      {"0 0 0 1", {false, true, true, true, false}, test::Lists({{0, 1, 2, 3}, {2, 3}, {1, 3, 4}, {5, 6}})},
      {"0 0 1 1", {false, false, true, false, true}, test::Lists({{1, 2, 3, 4}, {1, 2, 3}, {0, 2}, {1, 2, 5}})},
      {"0 1 1 0", {false, false, true, false, true}, test::Lists({{1, 2, 3}, {1, 2, 4}, {1, 3}, {2, 3, 4}})},
  };
  for (const Case& c : cases) {
    const Groupings groupings = GroupingsFromTags(Tags(c.tags), 4);
    const HitTable table(HistoryView(h), groupings);
    Candidates candidates;
    for (size_t k = 1; k <= 4; ++k) candidates[k] = c.lists[k];
    const RandomListSpace space(table, groupings, candidates, c.rises);

    std::vector<CombinationValues> allowed;
    for (const quint8 a : c.lists[1])
      for (const quint8 b : c.lists[2])
        for (const quint8 d : c.lists[3])
          for (const quint8 e : c.lists[4]) {
            const CombinationValues v{0, a, b, d, e};
            bool ok = !c.rises[1] || a > 0;
            for (size_t k = 2; k <= 4; ++k) ok = ok && (!c.rises[k] || v[k] > v[k - 1]);
            for (size_t i = 1; i <= 4; ++i)
              for (size_t j = i + 1; j <= 4; ++j)
                ok = ok && !(groupings[i] == Grouping::Pool && groupings[j] == Grouping::Pool && v[i] == v[j]);
            if (ok) allowed.push_back(v);
          }
    SCOPED_TRACE(c.tags);
    ASSERT_EQ(space.Count(), double(allowed.size()));
    ASSERT_GE(allowed.size(), 3u);
    const auto hitLanes = [&](const std::vector<CombinationValues>& combos) {
      CombPositions list;
      for (const auto& v : combos)
        for (size_t k = 1; k <= kMaxPositions; ++k) list[k].push_back(v[k]);
      return CountHits(table, list, static_cast<int>(combos.size()));
    };
    double successes = 0;
    for (const auto& v : allowed) successes += hitLanes({v}).successTotal;
    double hitDraws = 0;
    int subsets = 0;
    for (size_t i = 0; i < allowed.size(); ++i)
      for (size_t j = i + 1; j < allowed.size(); ++j)
        for (size_t k = j + 1; k < allowed.size(); ++k, ++subsets)
          hitDraws += hitLanes({allowed[i], allowed[j], allowed[k]}).hitDraws;
    EXPECT_NEAR(space.ExpectedSuccesses(3), 3 * successes / double(allowed.size()), 1e-9);
    EXPECT_NEAR(space.ExpectedHitDraws(3), hitDraws / subsets, 1e-9);

    QRandomGenerator random(7);
    CombPositions drawn;
    space.Draw(static_cast<int>(allowed.size()), random, drawn);
    std::set<CombinationValues> seen;
    for (size_t i = 0; i < drawn[1].size(); ++i) seen.insert({0, drawn[1][i], drawn[2][i], drawn[3][i], drawn[4][i]});
    EXPECT_EQ(seen, std::set<CombinationValues>(allowed.begin(), allowed.end()));
  }
}

TEST(ChanceBaseline, MonteCarloMeansMeetTheExactExpectationsAndTheSeedReproduces) {
  // Five numbers in ascending order: random lists rise position by position.
  const History mixed = test::PatternHistory(5, 300, 20);
  std::vector<std::vector<int>> draws;
  for (int d = 1; d <= mixed.DrawCount; ++d) {
    std::vector<int> draw;
    for (int k = 1; k <= 5; ++k) draw.push_back(mixed.P(k, d));
    std::sort(draw.begin(), draw.end());
    for (size_t i = 0; i < draw.size(); ++i) draw[i] += static_cast<int>(i) + 1;
    draws.push_back(draw);
  }
  const History h = MakeHistory(5, draws);
  const test::TestList list = Repeated(5, {1, 2, 3, 4, 5}, 50);
  const SelectorLists lists =
      test::Lists({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10}, {11, 12, 13}, {1, 14}, {15, 16, 17, 18, 19}});
  const ChanceBaseline b = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0 0"), 400, 42);
  for (const ChanceFigures* f : {&b.fromSelectors, &b.fromHistory}) {
    ASSERT_GT(f->expectedSuccesses, 5.0);
    EXPECT_NEAR(f->meanSuccesses, f->expectedSuccesses, 0.05 * f->expectedSuccesses);
    EXPECT_NEAR(f->meanHitDraws, f->expectedHitDraws, 0.05 * f->expectedHitDraws);
  }
  const ChanceBaseline again = CompareWithChance(HistoryView(h), list.CombPos, lists, Tags("0 0 0 0 0"), 400, 42);
  EXPECT_EQ(again.fromHistory.meanSuccesses, b.fromHistory.meanSuccesses);
  EXPECT_EQ(again.fromSelectors.highHitDraws, b.fromSelectors.highHitDraws);
}

TEST(ChanceBaseline, RankTiesVerdictAndTheTwoHundredListRule) {
  ChanceBaseline b;
  b.randomLists = 1000, b.listSuccesses = 37, b.listHitDraws = 30, b.drawsTested = 100;
  b.fromSelectors.fewerSuccesses = 120, b.fromSelectors.lowSuccesses = 30, b.fromSelectors.highSuccesses = 50;
  struct Case {
    int equal, randomLists;
    const char* rank;
    std::optional<ChanceVerdict> verdict;
  } cases[] = {
      {0, 1000, "mejor que el 12 %", ChanceVerdict::Chance},
      {30, 1000, "igual o mejor que el 15 %", ChanceVerdict::Chance},
      {0, 199, "mejor que el 60 %", std::nullopt},
  };
  for (const Case& c : cases) {
    b.fromSelectors.equalSuccesses = c.equal, b.randomLists = c.randomLists;
    EXPECT_EQ(RankWords(b), QString::fromUtf8(c.rank));
    EXPECT_EQ(b.Verdict(), c.verdict);
    const QJsonValue verdict = ChanceJson(b).value(QStringLiteral("verdict"));
    EXPECT_EQ(verdict.isNull(), !c.verdict.has_value());
    EXPECT_EQ(ChanceTable(b).contains(QStringLiteral("mínimo–máximo de")), !c.verdict.has_value());
  }
  b.listSuccesses = 51, b.randomLists = 1000;
  EXPECT_EQ(b.Verdict(), ChanceVerdict::Above);
  b.listSuccesses = 29;
  EXPECT_EQ(b.Verdict(), ChanceVerdict::Below);
  b.origin = ListOrigin::GeneratedNow;
  EXPECT_EQ(ChanceSentence(b), QStringLiteral("Su lista logró 29 aciertos (30 sorteos acertados) en 100 sorteos: mejor "
                                              "que el 12 % de 1.000 listas al azar del mismo tamaño. Peor que el "
                                              "azar. La lista se hizo con estos mismos sorteos: la prueba los "
                                              "reutiliza y la favorece."));
}

// A list whose combinations share four numbers wins its successes in bursts:
// its spread, measured on draws it was not tested on, widens the verdict's band
// about the random lists' mean. A list of independent random combinations
// keeps about the random lists' spread.
TEST(ChanceBaseline, AListThatWinsInBurstsWidensTheVerdictBand) {
  QRandomGenerator random(5);
  auto sixOfTwenty = [&random] {
    std::set<int> numbers;
    while (numbers.size() < 6) numbers.insert(1 + static_cast<int>(random.bounded(20u)));
    return std::vector<int>(numbers.begin(), numbers.end());
  };
  std::vector<std::vector<int>> draws(1000), independent(1000), clustered;
  for (auto& draw : draws) draw = sixOfTwenty();
  for (auto& combination : independent) combination = sixOfTwenty();
  for (int a = 5; a <= 20; ++a) {
    for (int b = a + 1; b <= 20; ++b) clustered.push_back({1, 2, 3, 4, a, b});
  }
  const History h = MakeHistory(6, draws);
  SelectorLists lists;
  for (size_t k = 1; k <= 6; ++k) {
    for (quint8 v = 1; v <= 20; ++v) lists[k].push_back(v);
  }
  const SelectorTags tags = Tags("0 0 0 0 0 0");
  struct Case {
    std::vector<std::vector<int>> combinations;
    double lowRatio, highRatio;
  } cases[] = {{independent, 1.0, 1.3}, {clustered, 3.0, 100.0}};
  for (const Case& c : cases) {
    const test::TestList list = MakeList(6, c.combinations);
    ChanceBaseline b = CompareWithChance(HistoryView(h), list.CombPos, lists, tags, 400, 9);
    const int low = b.fromSelectors.lowSuccesses, high = b.fromSelectors.highSuccesses;
    MeasureOwnSpread(h, list.CombPos, lists, tags, 1, h.DrawCount - kTestLength, b);
    EXPECT_EQ(b.spreadDraws, 900);
    EXPECT_GE(b.spreadRatio, c.lowRatio);
    EXPECT_LE(b.spreadRatio, c.highRatio);
    EXPECT_LE(b.VerdictLow(), low);
    EXPECT_GE(b.VerdictHigh(), high);
    if (b.Widened()) {
      EXPECT_NEAR(b.VerdictHigh() - b.fromSelectors.meanSuccesses,
                  (high - b.fromSelectors.meanSuccesses) * b.spreadRatio, 1.0);
      EXPECT_TRUE(ChanceSentence(b).contains(QStringLiteral("franja de %1 a %2 aciertos")
                                                 .arg(SpanishCount(b.VerdictLow()), SpanishCount(b.VerdictHigh()))));
    }
  }
}

}  // namespace
}  // namespace tombolix
