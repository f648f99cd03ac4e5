#include "tickets/ticket_chance.h"

#include "history/loader.h"
#include "support/synth_games.h"
#include "tickets/ticket_check.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tombolix {
namespace {

TEST(TicketChance, ChancesAreDistributions) {
  GameShape lotto{GameKind::Pool, 6, 1, 49, 1, 1, 49, true};
  GameShape euro{GameKind::Pool, 5, 1, 50, 2, 1, 12, false};
  GameShape digits{GameKind::Digits, 4, 0, 9, 0, 0, 0, false};
  const QVector<quint8> six{1, 2, 3, 4, 5, 6};
  const QVector<quint8> seven{1, 2, 3, 4, 5, 1, 2};
  for (const MatchRule rule : {MatchRule::AnyOrder, MatchRule::InPosition}) {
    for (const auto& [shape, ticket] :
         {std::pair{lotto, six}, std::pair{euro, seven}, std::pair{digits, QVector<quint8>{1, 1, 2, 7}}}) {
      const QVector<double> p = MatchChances(shape, rule, ticket);
      EXPECT_NEAR(std::accumulate(p.begin(), p.end(), 0.0), 1.0, 1e-9);
    }
  }
  // 6 of 49: one chance in 13,983,816 of the jackpot, C(49, 6).
  EXPECT_NEAR(MatchChances(lotto, MatchRule::AnyOrder, six)[MatchBin(lotto, 6, 0)], 1.0 / 13983816, 1e-15);
  // Box: "1234" is matched whole by 4! of the 10^4 draws, "1111" by one.
  EXPECT_NEAR(MatchChances(digits, MatchRule::AnyOrder, {1, 2, 3, 4})[4], 24e-4, 1e-12);
  EXPECT_NEAR(MatchChances(digits, MatchRule::AnyOrder, {1, 1, 1, 1})[4], 1e-4, 1e-12);
  // Without its stars a ticket matches no star, and its main numbers keep their chance.
  const QVector<double> withStars = MatchChances(euro, MatchRule::AnyOrder, seven);
  const QVector<double> mainOnly = MatchChances(euro, MatchRule::AnyOrder, {1, 2, 3, 4, 5});
  for (int k = 0; k <= 5; ++k) {
    double main = 0;
    for (int e = 0; e <= 2; ++e) main += withStars[MatchBin(euro, k, e)];
    EXPECT_NEAR(mainOnly[MatchBin(euro, k, 0)], main, 1e-12);
    EXPECT_EQ(mainOnly[MatchBin(euro, k, 1)] + mainOnly[MatchBin(euro, k, 2)], 0.0);
  }
}

TEST(TicketChance, BandFromTheExactBinomial) {
  for (const auto& [trials, p] :
       {std::pair{1000, 0.01}, std::pair{50, 0.5}, std::pair{10000, 0.0001}, std::pair{0, 0.3}}) {
    const ChanceBand band = BinomialBand(trials, p);
    EXPECT_DOUBLE_EQ(band.mean, trials * p);
    EXPECT_LE(band.low, band.high);
    EXPECT_GE(band.coverage, 0.95);
    EXPECT_LE(band.coverage, 1.0 + 1e-12);
  }
}

// Random tickets on a fair history fall outside their band about as often as the band says.
TEST(TicketChance, RandomTicketsOnAFairHistoryFillTheBand) {
  struct Game {
    SynthOptions synth;
    MatchRule rule;
    int threshold;
  };
  const SynthOptions pool = test::SynthPool(5, 39, 0, false, 1500);
  const SynthOptions digits = test::SynthDigits(3, 1500);
  const Game games[] = {
      {pool, MatchRule::AnyOrder, 3}, {digits, MatchRule::InPosition, 2}, {digits, MatchRule::AnyOrder, 3}};
  SplitMix64 random(11);
  for (const Game& g : games) {
    SynthOptions synth = g.synth;
    synth.seed = 5;
    const LoadedHistory loaded = ParseHistory(SyntheticHistory(synth));
    ASSERT_TRUE(loaded.accepted);
    const HistoryView view(loaded.history);
    GameShape shape = GuessGameShape(view);
    shape.mainLow = g.synth.kind == SynthOptions::Kind::Digits ? 0 : 1;
    shape.mainHigh = g.synth.kind == SynthOptions::Kind::Digits ? 9 : 39;
    QVector<Ticket> tickets;
    constexpr int kTickets = 2000;
    for (int i = 0; i < kTickets; ++i) {
      Ticket t;
      while (t.numbers.size() < shape.mainCount) {
        const auto n = static_cast<quint8>(shape.mainLow +
                                           static_cast<int>(random.Below(static_cast<quint32>(shape.MainRange()))));
        if (shape.kind == GameKind::Digits || !t.numbers.contains(n)) t.numbers.append(n);
      }
      tickets.append(t);
    }
    const QVector<TicketResult> results = CheckTickets(view, shape, g.rule, tickets);
    double expectedOutside = 0;
    int outside = 0;
    for (int i = 0; i < kTickets; ++i) {
      const ChanceBand band =
          BinomialBand(view.DrawCount, ChanceFrom(shape, MatchChances(shape, g.rule, tickets[i].numbers), g.threshold));
      const int hits = results[i].DrawsFrom(shape, g.threshold);
      outside += hits < band.low || hits > band.high ? 1 : 0;
      expectedOutside += 1.0 - band.coverage;
    }
    // The count outside is binomial-like around its expectation (at most 5 %): well within 4 sd.
    EXPECT_LE(expectedOutside, 0.05 * kTickets);
    EXPECT_NEAR(outside, expectedOutside, 4 * std::sqrt(expectedOutside) + 5) << static_cast<int>(g.rule);
  }
}

}  // namespace
}  // namespace tombolix
