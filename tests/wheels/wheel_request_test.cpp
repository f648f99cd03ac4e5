#include "history/loader.h"
#include "support/synth_games.h"
#include "wheels/wheel_outcome.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

History Synthetic(SynthOptions options) { return ParseHistory(SyntheticHistory(options)).history; }

TEST(WheelRequest, ThePoolOfAGameAndNoneForDigits) {
  const std::optional<PoolGame> game = PoolGameOf(Synthetic(test::SynthPool(6, 45, 10, false, 300)));
  ASSERT_TRUE(game.has_value());
  EXPECT_EQ(game->drawn, 6);  // the bonus ball is drawn apart
  EXPECT_EQ(game->low, 1);
  EXPECT_EQ(game->high, 45);
  EXPECT_FALSE(PoolGameOf(Synthetic(test::SynthDigits(4, 100))).has_value());
  EXPECT_FALSE(PoolGameOf(History{}).has_value());
}

TEST(WheelRequest, RefusesWhatCannotBeBuiltAndSaysWhy) {
  const PoolGame game{6, 1, 49};
  WheelRequest good;
  good.chosen = {3, 7, 12, 19, 22, 28, 31, 36, 40, 44, 47, 49};
  good.ticketSize = 6;
  good.hits = 3;
  good.drawnAmongChosen = 4;
  EXPECT_EQ(WheelRequestProblem(good, game), QString());
  struct Bad {
    const char* why;
    void (*change)(WheelRequest&);
  };
  const Bad bad[] = {
      {"six chosen", [](WheelRequest& r) { r.chosen.resize(6); }},
      {"33 chosen",
       [](WheelRequest& r) {
         for (int n = 1; r.chosen.size() < 33; ++n) r.chosen.push_back(n + 49);
       }},
      {"outside the range", [](WheelRequest& r) { r.chosen[0] = 50; }},
      {"twice", [](WheelRequest& r) { r.chosen[1] = 3; }},
      {"ticket as large as the choice", [](WheelRequest& r) { r.ticketSize = 12; }},
      {"no hit", [](WheelRequest& r) { r.hits = 0; }},
      {"t > k", [](WheelRequest& r) { r.ticketSize = 2; }},
      {"t > m", [](WheelRequest& r) { r.drawnAmongChosen = 2; }},
      {"m > drawn", [](WheelRequest& r) { r.drawnAmongChosen = 8; }},
      {"fixed not chosen", [](WheelRequest& r) { r.fixed = {5}; }},
      {"too many fixed", [](WheelRequest& r) { r.fixed = {3, 7, 12, 19, 22, 28}; }},
      {"fixed leave too few places",
       [](WheelRequest& r) {
         r.fixed.assign({3, 7, 12, 19});
       }},
      {"no time", [](WheelRequest& r) { r.seconds = 0; }},
      {"over a million subsets",
       [](WheelRequest& r) {
         for (int n = 1; r.chosen.size() < 32; ++n) r.chosen.push_back(n + 49);
         r.drawnAmongChosen = 7;  // C(32, 7) = 3,365,856
       }},
  };
  for (const Bad& b : bad) {
    WheelRequest request = good;
    b.change(request);
    const PoolGame wide{7, 1, 99};
    EXPECT_FALSE(WheelRequestProblem(request, b.why == std::string("outside the range") ? game : wide).isEmpty())
        << b.why;
  }
}

TEST(WheelOutcome, TextsOfAVerifiedWheel) {
  WheelRequest request;
  request.chosen = {44, 3, 7, 12, 19, 22, 28, 31, 36, 40, 47, 49};
  request.ticketSize = 6;
  request.hits = 3;
  request.drawnAmongChosen = 3;
  const WheelOutcome outcome = BuildWheel(request, PoolGame{6, 1, 49}, {});
  ASSERT_TRUE(outcome.Verified());
  const QStringList lines = WheelTicketLines(outcome);
  ASSERT_EQ(static_cast<size_t>(lines.size()), outcome.tickets.size());
  EXPECT_EQ(lines[0].size(), 6 * 3 - 1);  // "03 07 12 ..."
  const QString summary = WheelSummary(outcome);
  EXPECT_TRUE(summary.contains(QStringLiteral("220 grupos de 3"))) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QStringLiteral("Schönheim: 14 jugadas"))) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QStringLiteral("15 jugadas (Gordon"))) << summary.toStdString();
  EXPECT_EQ(WheelCsv(outcome).count(QLatin1Char('\n')), lines.size() + 1);

  // A wheel whose tickets lost their check is never shown as meeting its guarantee.
  WheelOutcome broken = outcome;
  broken.check.uncovered = 1;
  EXPECT_TRUE(WheelTicketLines(broken).isEmpty());
  EXPECT_TRUE(WheelSummary(broken).contains(QStringLiteral("NO cumple")));
}

}  // namespace
}  // namespace tombolix
