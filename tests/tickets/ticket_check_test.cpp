#include "tickets/ticket_check.h"

#include "history/loader.h"
#include "support/synth_games.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tombolix {
namespace {

History Draws(const char* text) {
  LoadedHistory loaded = ParseHistory(QByteArray(text));
  EXPECT_TRUE(loaded.accepted) << text;
  return loaded.history;
}

Ticket Make(std::initializer_list<int> numbers) {
  Ticket t;
  for (const int n : numbers) t.numbers.append(static_cast<quint8>(n));
  return t;
}

GameShape Pool(int main, int low, int high, int extras = 0, bool fromMain = false, int extraHigh = 12) {
  GameShape s;
  s.mainCount = main;
  s.mainLow = low;
  s.mainHigh = high;
  s.extraCount = extras;
  s.extraFromMainPool = fromMain;
  s.extraLow = fromMain ? low : 1;
  s.extraHigh = fromMain ? high : extraHigh;
  return s;
}

GameShape Digits(int positions) {
  GameShape s;
  s.kind = GameKind::Digits;
  s.mainCount = positions;
  s.mainLow = 0;
  s.mainHigh = 9;
  return s;
}

struct Expected {
  const char* name;
  GameShape shape;
  MatchRule rule;
  Ticket ticket;
  QVector<int> mainDraws;  // draws per count of main numbers matched
  int bestMain, bestExtra;
  QVector<int> bestRecent;
  int latestMain, latestExtra;
};

TEST(TicketCheck, HandMadeHistoriesInBothRules) {
  const History pool =
      Draws("01/01/2020,1,2,3,4,5\r\n02/01/2020,2,4,6,8,10\r\n03/01/2020,1,3,5,7,9\r\n04/01/2020,6,7,8,9,10\r\n");
  const History digits = Draws("01/01/2020,1,1,2\r\n02/01/2020,2,1,1\r\n03/01/2020,1,2,3\r\n");
  const History bonus = Draws("01/01/2020,1,2,3,4,5,6,7\r\n02/01/2020,11,12,13,14,15,16,1\r\n");
  const History stars = Draws("01/01/2020,1,2,3,4,5,3,9\r\n02/01/2020,1,2,3,4,6,1,3\r\n");
  using R = MatchRule;
  const Expected cases[] = {
      {"pool", Pool(5, 1, 10), R::AnyOrder, Make({1, 2, 3, 4, 5}), {1, 0, 1, 1, 0, 1}, 5, 0, {1}, 0, 0},
      {"pool reversed", Pool(5, 1, 10), R::AnyOrder, Make({10, 9, 8, 7, 6}), {1, 0, 1, 1, 0, 1}, 5, 0, {4}, 5, 0},
      {"in position", Pool(5, 1, 10), R::InPosition, Make({10, 9, 8, 7, 6}), {2, 2, 0, 0, 0, 0}, 1, 0, {4, 3}, 1, 0},
      {"digits in position", Digits(3), R::InPosition, Make({1, 1, 2}), {0, 2, 0, 1}, 3, 0, {1}, 1, 0},
      {"digits any order (box)", Digits(3), R::AnyOrder, Make({1, 1, 2}), {0, 0, 1, 2}, 3, 0, {2, 1}, 2, 0},
      {"bonus", Pool(6, 1, 49, 1, true), R::AnyOrder, Make({1, 2, 3, 4, 5, 7}), {1, 0, 0, 0, 0, 1, 0}, 5, 1, {1}, 0, 1},
      {"stars", Pool(5, 1, 50, 2), R::AnyOrder, Make({1, 2, 3, 4, 5, 3, 4}), {0, 0, 0, 0, 1, 1}, 5, 1, {1}, 4, 1},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.name);
    const History& h = c.shape.kind == GameKind::Digits ? digits
                       : c.shape.extraFromMainPool      ? bonus
                       : c.shape.extraCount > 0         ? stars
                                                        : pool;
    const QVector<TicketResult> r = CheckTickets(HistoryView(h), c.shape, c.rule, {c.ticket});
    ASSERT_EQ(r.size(), 1);
    QVector<int> main;
    for (int k = 0; k <= c.shape.mainCount; ++k) main.append(r[0].DrawsWithMain(c.shape, k));
    EXPECT_EQ(main, c.mainDraws);
    EXPECT_EQ(r[0].bestMain, c.bestMain);
    EXPECT_EQ(r[0].bestExtra, c.bestExtra);
    EXPECT_EQ(r[0].bestRecent, c.bestRecent);
    EXPECT_EQ(r[0].latestMain, c.latestMain);
    EXPECT_EQ(r[0].latestExtra, c.latestExtra);
  }
}

// The matches counted one ticket and one draw at a time, the obvious way.
std::pair<int, int> NaiveMatch(const HistoryView& h, const GameShape& s, MatchRule rule, const Ticket& t, int d) {
  int main = 0;
  if (rule == MatchRule::InPosition) {
    for (int k = 1; k <= s.mainCount; ++k) main += t.numbers[k - 1] == h.P(k, d) ? 1 : 0;
  } else {
    std::map<int, int> held;
    for (int k = 1; k <= s.mainCount; ++k) ++held[t.numbers[k - 1]];
    for (int k = 1; k <= s.mainCount; ++k) {
      if (held[h.P(k, d)]-- > 0) ++main;
    }
  }
  int extra = 0;
  for (int e = s.mainCount + 1; e <= s.mainCount + s.extraCount; ++e) {
    const int first = s.extraFromMainPool ? 0 : s.mainCount;
    const int last = s.extraFromMainPool ? s.mainCount : s.TicketSize();
    for (int i = first; i < last; ++i) extra += t.numbers[i] == h.P(e, d) ? 1 : 0;
  }
  return {main, extra};
}

// Many tickets over several words of the bit sets, every shape and rule, against the obvious count.
TEST(TicketCheck, AgreesWithTheObviousCountOnManyTickets) {
  struct Game {
    SynthOptions synth;
    GameShape shape;
  };
  const Game games[] = {{test::SynthDigits(4, 300), Digits(4)},
                        {test::SynthPool(5, 50, 12, true, 300), Pool(5, 1, 50, 2)},
                        {test::SynthPool(6, 45, 0, false, 300), Pool(6, 1, 45)}};
  SplitMix64 random(7);
  for (const Game& g : games) {
    const History h = Draws(SyntheticHistory(g.synth).constData());
    QVector<Ticket> tickets;
    for (int i = 0; i < 150; ++i) {
      Ticket t;
      while (t.numbers.size() < g.shape.TicketSize()) {
        const bool extra = t.numbers.size() >= g.shape.mainCount;
        const int low = extra ? g.shape.extraLow : g.shape.mainLow;
        const int high = extra ? g.shape.extraHigh : g.shape.mainHigh;
        const auto n = static_cast<quint8>(low + static_cast<int>(random.Below(static_cast<quint32>(high - low + 1))));
        // Digits may repeat; a pool's numbers are distinct, and so are its extras.
        if (g.shape.kind == GameKind::Digits || !t.numbers.mid(extra ? g.shape.mainCount : 0).contains(n)) {
          t.numbers.append(n);
        }
      }
      tickets.append(t);
    }
    for (const MatchRule rule : {MatchRule::AnyOrder, MatchRule::InPosition}) {
      const HistoryView view(h);
      const QVector<TicketResult> results = CheckTickets(view, g.shape, rule, tickets);
      for (int i = 0; i < tickets.size(); ++i) {
        QVector<int> bins(MatchBinCount(g.shape));
        for (int d = 1; d <= h.DrawCount; ++d) {
          const auto [main, extra] = NaiveMatch(view, g.shape, rule, tickets[i], d);
          ++bins[MatchBin(g.shape, main, extra)];
        }
        ASSERT_EQ(results[i].bins, bins) << "ticket " << i;
        const auto [main, extra] = NaiveMatch(view, g.shape, rule, tickets[i], h.DrawCount);
        EXPECT_EQ(results[i].latestMain, main);
        EXPECT_EQ(results[i].latestExtra, extra);
        const int best = MatchBin(g.shape, results[i].bestMain, results[i].bestExtra);
        EXPECT_EQ(results[i].bestDraws, bins[best]);
        EXPECT_EQ(results[i].bestRecent.size(), std::min(bins[best], kBestDrawsKept));
        for (const int d : results[i].bestRecent) {
          EXPECT_EQ(NaiveMatch(view, g.shape, rule, tickets[i], d),
                    std::make_pair(results[i].bestMain, results[i].bestExtra));
        }
      }
    }
  }
}

}  // namespace
}  // namespace tombolix
