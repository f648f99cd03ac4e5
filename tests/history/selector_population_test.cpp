#include "history/selector_population.h"

#include "analyses/analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// Draws whose first position takes `values` in turn (oldest first), the second fixed at 50.
History SingleColumn(const std::vector<int>& values) {
  std::vector<std::vector<int>> draws;
  for (int v : values) draws.push_back({v, 50});
  return test::MakeHistory(2, draws);
}

std::vector<int> List(const SelectorPopulation& population, int k) {
  const auto& list = population.lists[static_cast<size_t>(k)];
  return {list.begin(), list.end()};
}

// `count` copies of `value` appended to `values`.
void Repeat(std::vector<int>& values, int value, int count) { values.insert(values.end(), count, value); }

TEST(FillSelectors, FewCandidatesAreAllListedMostFrequentFirstTiesHigherFirst) {
  const History h = SingleColumn({7, 7, 7, 40, 12, 12, 12, 3, 3, 9});
  const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(List(population, 1), (std::vector<int>{12, 7, 3, 40, 9}));
  EXPECT_EQ(population.FullListCount[1], 5);
}

TEST(FillSelectors, RareNumbersAreDroppedBelowTheAverageCountUnlessTheOffsetKeepsThem) {
  // 40 distinct numbers in 100 draws: A = 100 \ 40 = 2.
  std::vector<int> values;
  for (int v = 1; v <= 20; ++v) Repeat(values, v, 4);
  for (int v = 21; v <= 40; ++v) Repeat(values, v, 1);
  const History h = SingleColumn(values);
  const SelectorPopulation strict = FillSelectors(HistoryView(h), 0);
  EXPECT_EQ(strict.FullListCount[1], 40);
  ASSERT_EQ(strict.lists[1].size(), 20u);
  EXPECT_EQ(strict.lists[1].front(), 20);
  const SelectorPopulation lenient = FillSelectors(HistoryView(h), 1);
  ASSERT_EQ(lenient.lists[1].size(), 40u);
  EXPECT_EQ(std::pair(lenient.lists[1][20], lenient.lists[1][39]), std::pair(quint8{40}, quint8{21}));
}

TEST(FillSelectors, TheFilterStartsAtSixteenCandidatesWithTheAverageRoundedDown) {
  auto size = [](const std::vector<int>& values) {
    const History h = SingleColumn(values);
    return FillSelectors(HistoryView(h), 0).lists[1].size();
  };
  std::vector<int> fifteen(86, 99);
  for (int v = 1; v <= 14; ++v) fifteen.push_back(v);
  EXPECT_EQ(size(fifteen), 15u);
  std::vector<int> sixteen(85, 99);
  for (int v = 1; v <= 15; ++v) sixteen.push_back(v);
  EXPECT_EQ(size(sixteen), 1u);  // A = 100 \ 16 = 6
  // 30 draws, 16 distinct numbers: S = 30 and A = 30 \ 16 = 1, so all stay.
  std::vector<int> thirty(8, 50);
  Repeat(thirty, 60, 8);
  for (int v = 1; v <= 14; ++v) thirty.push_back(v);
  EXPECT_EQ(size(thirty), 16u);
}

TEST(FillSelectors, WindowIsTheLastHundredDrawsOfTheView) {
  std::vector<int> values(50, 77);
  for (int i = 0; i < 100; ++i) values.push_back(i % 10);
  const History h = SingleColumn(values);
  EXPECT_EQ(FillSelectors(HistoryView(h), 0).FullListCount[1], 10);  // the 77s are older than the window
  const SelectorPopulation shorter = FillSelectors(HistoryView(h, 60), 0);
  EXPECT_EQ(shorter.FullListCount[1], 11);
  EXPECT_EQ(shorter.lists[1].front(), 77);
  const SelectorPopulation none = FillSelectors(HistoryView(h, 0), 0);
  EXPECT_TRUE(none.lists[1].empty() && none.FullListCount[1] == 0);
}

TEST(FillSelectors, GroupingTags) {
  struct Case {
    const char* what;
    std::vector<std::vector<int>> draws;
    int positions;
    const char* tags;  // B1..B7
  };
  std::vector<std::vector<int>> bonus, digits;
  for (int i = 0; i < 40; ++i) {
    bonus.push_back({10 + i % 5, 16 + i % 5, 22 + i % 5, 30 + i % 5, 40 + i % 5, 1 + i % 16});
    digits.push_back({i % 10, (i * 3) % 10, (i * 7) % 10, (i + 5) % 10});
  }
  const Case cases[] = {
      {"five numbers and a bonus ball", bonus, 6, "0 0 0 0 0 1 100"},
      {"four digits", digits, 4, "1 1 1 1 100 100 100"},
      {"the run stops at the first position without 0..3", {{3, 20, 1}, {5, 25, 9}}, 3, "0 0 1 100 100 100 100"},
      {"4 is not low", {{1, 4}, {2, 9}}, 2, "0 0 100 100 100 100 100"},
      {"last position, lowest 3", {{5, 3}, {6, 9}}, 2, "0 1 100 100 100 100 100"},
  };
  for (const Case& c : cases) {
    const History h = test::MakeHistory(c.positions, c.draws);
    const SelectorPopulation population = FillSelectors(HistoryView(h), 0);
    QStringList tags;
    for (int k = 1; k <= 7; ++k) tags.append(population.tags[static_cast<size_t>(k)]);
    EXPECT_EQ(tags.join(QLatin1Char(' ')), QLatin1String(c.tags)) << c.what;
  }
}

}  // namespace
}  // namespace tombolix
