#include "wheels/wheel_check.h"
#include "wheels/covering_bounds.h"
#include "wheels/subset_masks.h"
#include "wheels/wheel_search.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <vector>

namespace tombolix {
namespace {

using Set = std::vector<int>;

std::uint32_t Mask(const Set& s) {
  std::uint32_t x = 0;
  for (const int i : s) x |= 1u << i;
  return x;
}

// The check done the plain way: sets of numbers, every m-subset by
// permutations of a selector, intersections counted with the standard library.
struct Brute {
  std::uint64_t uncovered = 0;
  Set first;
};
Brute BruteCheck(int v, int m, int t, const std::vector<Set>& tickets) {
  Brute result;
  std::vector<bool> pick(static_cast<size_t>(v), false);
  std::fill(pick.begin(), pick.begin() + m, true);
  std::vector<Set> uncovered;
  do {
    Set subset;
    for (int i = 0; i < v; ++i) {
      if (pick[static_cast<size_t>(i)]) subset.push_back(i);
    }
    const bool met = std::any_of(tickets.begin(), tickets.end(), [&](const Set& ticket) {
      Set common;
      std::set_intersection(subset.begin(), subset.end(), ticket.begin(), ticket.end(), std::back_inserter(common));
      return static_cast<int>(common.size()) >= t;
    });
    if (!met) uncovered.push_back(subset);
  } while (std::prev_permutation(pick.begin(), pick.end()));
  result.uncovered = uncovered.size();
  // The smallest mask: the subset whose highest differing element is lower.
  if (!uncovered.empty()) {
    result.first = *std::min_element(uncovered.begin(), uncovered.end(),
                                     [](const Set& a, const Set& b) { return Mask(a) < Mask(b); });
  }
  return result;
}

Set RandomSet(int v, int size, QRandomGenerator& rng) {
  Set all(static_cast<size_t>(v));
  for (int i = 0; i < v; ++i) all[static_cast<size_t>(i)] = i;
  for (int i = 0; i < size; ++i) std::swap(all[static_cast<size_t>(i)], all[i + rng.bounded(v - i)]);
  Set chosen(all.begin(), all.begin() + size);
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

// Random small designs, and the same designs with one m-subset planted
// uncovered (every ticket meeting it in t numbers taken out): the check and
// the brute force agree on the count and on the first uncovered subset.
TEST(WheelCheck, AgreesWithBruteForceOnRandomDesignsAndPlantedHoles) {
  QRandomGenerator rng(2024);
  for (int round = 0; round < 120; ++round) {
    const int v = 7 + static_cast<int>(rng.bounded(5));
    const int k = 2 + static_cast<int>(rng.bounded(static_cast<quint32>(v - 2)));
    const int m = 1 + static_cast<int>(rng.bounded(static_cast<quint32>(std::min(v, 6))));
    const int t = 1 + static_cast<int>(rng.bounded(static_cast<quint32>(std::min(k, m))));
    std::vector<Set> tickets;
    for (int i = 0, n = 1 + static_cast<int>(rng.bounded(12)); i < n; ++i) tickets.push_back(RandomSet(v, k, rng));
    if (round % 2 == 1) {
      const Set hole = RandomSet(v, m, rng);
      std::erase_if(tickets, [&](const Set& ticket) {
        Set common;
        std::set_intersection(hole.begin(), hole.end(), ticket.begin(), ticket.end(), std::back_inserter(common));
        return static_cast<int>(common.size()) >= t;
      });
    }
    std::vector<std::uint32_t> masks;
    for (const Set& ticket : tickets) masks.push_back(Mask(ticket));
    SCOPED_TRACE(testing::Message() << "v=" << v << " k=" << k << " t=" << t << " m=" << m << " round " << round);
    const WheelCheck check = CheckWheel({v, k, t, m, 0}, masks);
    const Brute brute = BruteCheck(v, m, t, tickets);
    EXPECT_EQ(check.subsetsChecked, Binomial(v, m));
    EXPECT_EQ(check.uncovered, brute.uncovered);
    EXPECT_EQ(check.Holds(), brute.uncovered == 0);
    if (round % 2 == 1) {
      EXPECT_GE(check.uncovered, 1u);
    }
    if (brute.uncovered > 0) {
      EXPECT_EQ(check.firstUncovered, Mask(brute.first));
    }
  }
}

TEST(WheelCheck, MalformedTicketsFailTheCheck) {
  // The seven lines of the Fano plane cover every pair of 7 numbers.
  const std::vector<std::uint32_t> fano{0b0000111, 0b0011001, 0b1100001, 0b0101010, 0b1010010, 0b1001100, 0b0110100};
  EXPECT_TRUE(CheckWheel({7, 3, 2, 2, 0}, fano).Holds());
  std::vector<std::uint32_t> wrong = fano;
  wrong.push_back(0b1111);          // four numbers
  wrong.push_back(1u << 9 | 0b11);  // a number outside the seven
  EXPECT_EQ(CheckWheel({7, 3, 2, 2, 0}, wrong).badTickets, 2);
  EXPECT_FALSE(CheckWheel({7, 3, 2, 2, 0}, wrong).Holds());
  // A fixed number every ticket must hold.
  EXPECT_EQ(CheckWheel({7, 3, 2, 2, 0b1}, fano).badTickets, 4);
}

TEST(WheelSearch, BuildsWheelsThatPassTheCheckAndRepeatsWithItsSeed) {
  const WheelShape shapes[] = {
      {9, 3, 2, 2, 0},
      {10, 5, 3, 4, 0},
      {11, 6, 3, 3, 0b101},
      {12, 6, 2, 6, 0},
  };
  for (const WheelShape& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape.v << "," << shape.k << "," << shape.t << "," << shape.m);
    const WheelSearchResult first = SearchWheel(shape, 60000, 7, {});
    EXPECT_TRUE(CheckWheel(shape, first.tickets).Holds());
    EXPECT_FALSE(first.timedOut);
    EXPECT_EQ(SearchWheel(shape, 60000, 7, {}).tickets, first.tickets);
  }
  // A Steiner system is the smallest covering: S(2,3,9) has 12 triples.
  EXPECT_EQ(SearchWheel({9, 3, 2, 2, 0}, 60000, 1, {}).tickets.size(), 12u);
}

TEST(CoveringBounds, SchonheimBoundByHand) {
  struct Case {
    int v, k, t;
    std::uint64_t bound;
  };
  // L(7,3,2) = ceil(7/3 * ceil(6/2)) = 7; L(12,6,3) = ceil(12/6 * ceil(11/5 * ceil(10/4))) = 2 * 7 = 14;
  // L(10,5,3) = ceil(10/5 * ceil(9/4 * ceil(8/3))) = 2 * 7 = 14; L(10,4,1) = ceil(10/4) = 3.
  const Case cases[] = {{7, 3, 2, 7}, {12, 6, 3, 14}, {10, 5, 3, 14}, {10, 4, 1, 3}, {9, 3, 2, 12}};
  for (const Case& c : cases) EXPECT_EQ(SchonheimBound(c.v, c.k, c.t), c.bound) << c.v << "," << c.k << "," << c.t;
}

TEST(CoveringBounds, KnownSizesAndTheHypergeometricFigure) {
  EXPECT_EQ(BestKnownSize(12, 6, 3, 3)->tickets, 15u);
  EXPECT_EQ(BestKnownSize(13, 4, 2, 2)->tickets, 13u);   // S(2,4,13): 78 pairs, 6 per block
  EXPECT_EQ(BestKnownSize(10, 4, 3, 3)->tickets, 30u);   // S(3,4,10): 120 triples, 4 per block
  EXPECT_FALSE(BestKnownSize(12, 6, 3, 4).has_value());  // no lotto-design value is shipped
  EXPECT_FALSE(BestKnownSize(14, 3, 2, 2).has_value());  // beyond the exact table, and 14 is not 1 or 3 modulo 6
  // No shipped size may undercut the lower bound, and a Steiner system meets it.
  for (int v = 7; v <= 20; ++v) {
    for (int k = 3; k < v && k <= 7; ++k) {
      for (int t = 2; t < k; ++t) {
        const std::optional<KnownWheelSize> known = BestKnownSize(v, k, t, t);
        if (known) {
          EXPECT_GE(known->tickets, SchonheimBound(v, k, t)) << v << "," << k << "," << t;
        }
      }
    }
  }
  // 12 numbers in a 6-of-49 game: (C(12,4)C(37,2) + C(12,5)C(37,1) + C(12,6)) / C(49,6) = 359,898 / 13,983,816.
  EXPECT_EQ(SpanishPercent(ProbabilityAtLeast(49, 6, 12, 4)), QStringLiteral("2,57 %"));
  EXPECT_DOUBLE_EQ(ProbabilityAtLeast(49, 6, 12, 0), 1.0);
}

}  // namespace
}  // namespace tombolix
