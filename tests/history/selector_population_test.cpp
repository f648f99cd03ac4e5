#include "history/selector_population.h"

#include "history_text.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::MakeHistory;

// One-position draws (plus a second position fixed at 50) from a list of values, oldest first.
History SingleColumn(const std::vector<int>& values) {
  std::vector<std::vector<int>> draws;
  for (int v : values) draws.push_back({v, 50});
  return MakeHistory(draws, 2);
}

std::vector<int> List(const SelectorPopulation& population, int k) {
  const auto& list = population.lists[static_cast<size_t>(k)];
  return {list.begin(), list.end()};
}

// `count` copies of `value` appended to `values`.
void Repeat(std::vector<int>& values, int value, int count) { values.insert(values.end(), count, value); }

TEST(FillSelectors, FewCandidatesAreAllListedMostFrequentFirst) {
  std::vector<int> values;
  Repeat(values, 7, 3);
  Repeat(values, 40, 1);
  Repeat(values, 12, 3);
  Repeat(values, 3, 2);
  Repeat(values, 9, 1);
  const History h = SingleColumn(values);
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  // Ties go to the higher number: 12 before 7, 40 before 9.
  EXPECT_EQ(List(population, 1), (std::vector<int>{12, 7, 3, 40, 9}));
  EXPECT_EQ(population.FullListCount[1], 5);
  EXPECT_EQ(List(population, 2), std::vector<int>{50});
}

TEST(FillSelectors, RareNumbersAreDroppedBelowTheAverageCount) {
  // 40 distinct numbers in 100 draws: A = 100 / 40 = 2.
  std::vector<int> values;
  for (int v = 1; v <= 20; ++v) Repeat(values, v, 4);
  for (int v = 21; v <= 40; ++v) Repeat(values, v, 1);
  const History h = SingleColumn(values);
  const SelectorPopulation strict = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(strict.FullListCount[1], 40);
  std::vector<int> frequent;
  for (int v = 20; v >= 1; --v) frequent.push_back(v);
  EXPECT_EQ(List(strict, 1), frequent);
  // Offset 1 keeps the numbers seen once, after the frequent ones.
  const SelectorPopulation lenient = FillSelectors(HistoryView(h), 1);
  ASSERT_EQ(lenient.lists[1].size(), 40u);
  EXPECT_EQ(lenient.lists[1][19], 1);
  EXPECT_EQ(lenient.lists[1][20], 40);
  EXPECT_EQ(lenient.lists[1][39], 21);
}

TEST(FillSelectors, SixteenCandidatesAreFilteredFifteenAreNot) {
  std::vector<int> fifteen;
  Repeat(fifteen, 99, 86);
  for (int v = 1; v <= 14; ++v) fifteen.push_back(v);
  const History h15 = SingleColumn(fifteen);
  EXPECT_EQ(FillSelectors(HistoryView(h15), 0).lists[1].size(), 15u);

  std::vector<int> sixteen;
  Repeat(sixteen, 99, 85);
  for (int v = 1; v <= 15; ++v) sixteen.push_back(v);
  const History h16 = SingleColumn(sixteen);
  const SelectorPopulation population = FillSelectors(HistoryView(h16), 0);
  EXPECT_EQ(List(population, 1), std::vector<int>{99});  // A = 100 / 16 = 6
  EXPECT_EQ(population.FullListCount[1], 16);
}

TEST(FillSelectors, AverageIsRoundedDown) {
  // 30 draws, 16 distinct numbers: A = 30 / 16 = 1 (1.875 rounded down), so all stay.
  std::vector<int> values;
  for (int v = 1; v <= 14; ++v) values.push_back(v);
  Repeat(values, 50, 8);
  Repeat(values, 60, 8);
  const History h = SingleColumn(values);
  EXPECT_EQ(FillSelectors(HistoryView(h), 0).lists[1].size(), 16u);
}

TEST(FillSelectors, WindowIsTheLastHundredDrawsOfTheView) {
  std::vector<int> values;
  Repeat(values, 77, 50);
  for (int i = 0; i < 100; ++i) values.push_back(i % 10);
  const History h = SingleColumn(values);
  const SelectorPopulation whole = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(whole.FullListCount[1], 10);  // the 77s are older than the window
  // A view of the first 60 draws: its window is draws 1..60, fifty 77s and ten others.
  const SelectorPopulation shorter = FillSelectors(HistoryView(h, 60), 0);
  EXPECT_EQ(shorter.FullListCount[1], 11);
  EXPECT_EQ(shorter.lists[1].front(), 77);
}

TEST(FillSelectors, ThirtyDrawHistoryUsesThemAll) {
  std::vector<int> values;
  for (int i = 0; i < 30; ++i) values.push_back(i);  // 30 distinct, A = 30 / 30 = 1
  const History h = SingleColumn(values);
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(population.FullListCount[1], 30);
  EXPECT_EQ(population.lists[1].size(), 30u);
  EXPECT_EQ(population.lists[1].front(), 29);
}

TEST(FillSelectors, BonusBallPositionIsSelfCompared) {
  // Five main numbers from 10..45 and a bonus ball from 1..16.
  std::vector<std::vector<int>> draws;
  for (int i = 0; i < 40; ++i)
    draws.push_back({10 + i % 5, 16 + i % 5, 22 + i % 5, 30 + i % 5, 40 + i % 5, 1 + i % 16});
  const History h = MakeHistory(draws, 6);
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  const std::array<QString, 8> expected = {QString(),           QStringLiteral("0"),  QStringLiteral("0"),
                                           QStringLiteral("0"), QStringLiteral("0"),  QStringLiteral("0"),
                                           QStringLiteral("1"), QStringLiteral("100")};
  for (int k = 1; k <= 7; ++k)
    EXPECT_EQ(population.tags[static_cast<size_t>(k)], expected[static_cast<size_t>(k)]) << k;
  EXPECT_TRUE(population.lists[7].empty());
  EXPECT_EQ(population.FullListCount[7], 0);
}

TEST(FillSelectors, DigitPositionsAreAllSelfCompared) {
  std::vector<std::vector<int>> draws;
  for (int i = 0; i < 40; ++i) draws.push_back({i % 10, (i * 3) % 10, (i * 7) % 10, (i + 5) % 10});
  const History h = MakeHistory(draws, 4);
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(population.tags[static_cast<size_t>(k)], QStringLiteral("1")) << k;
  for (int k = 5; k <= 7; ++k) EXPECT_EQ(population.tags[static_cast<size_t>(k)], QStringLiteral("100")) << k;
}

TEST(FillSelectors, SelfComparedRunStopsAtTheFirstPositionWithoutLowNumbers) {
  // Position 1 reaches 3, but position 2 does not, so only position 3 is self-compared.
  const History h = MakeHistory({{3, 20, 1}, {5, 25, 9}}, 3);
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(population.tags[1], QStringLiteral("0"));
  EXPECT_EQ(population.tags[2], QStringLiteral("0"));
  EXPECT_EQ(population.tags[3], QStringLiteral("1"));
  // 4 is not low enough.
  const History four = MakeHistory({{1, 4}, {2, 9}}, 2);
  EXPECT_EQ(FillSelectors(HistoryView(four), 0).tags[2], QStringLiteral("0"));
}

TEST(FillSelectors, EmptyViewGivesEmptyLists) {
  const History h = MakeHistory({{1, 2, 3}}, 3);
  const SelectorPopulation population = FillSelectors(HistoryView(h, 0), 0);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_TRUE(population.lists[static_cast<size_t>(k)].empty());
    EXPECT_EQ(population.FullListCount[static_cast<size_t>(k)], 0);
  }
  const SelectorPopulation none = FillSelectors(HistoryView(), 0);
  EXPECT_EQ(none.tags[1], QStringLiteral("100"));
}

}  // namespace
}  // namespace tombolix
