#include "synthetic_history.h"
#include "history/loader.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <set>

namespace tombolix {
namespace {

SynthOptions Pick(int numbers, int max, int bonus, int draws, std::uint64_t seed) {
  SynthOptions o;
  o.numbers = numbers;
  o.max = max;
  o.bonus = bonus;
  o.draws = draws;
  o.seed = seed;
  return o;
}

SynthOptions Digits(int positions, int draws, std::uint64_t seed) {
  SynthOptions o;
  o.kind = SynthOptions::Kind::Digits;
  o.positions = positions;
  o.draws = draws;
  o.seed = seed;
  return o;
}

TEST(SyntheticHistory, SameSeedGivesTheSameBytesEverywhere) {
  // Pinned output: the generator must not depend on the platform's standard library.
  EXPECT_EQ(SyntheticHistory(Pick(6, 45, 16, 2, 7)),
            QByteArray("02/01/1990,02,07,13,19,26,31,07\r\n05/01/1990,02,26,29,30,36,43,07\r\n"));
  EXPECT_EQ(SyntheticHistory(Digits(3, 2, 1)), QByteArray("02/01/1990,05,09,00\r\n06/01/1990,01,08,05\r\n"));
  const QByteArray longer = SyntheticHistory(Pick(6, 45, 16, 1500, 7));
  EXPECT_EQ(QCryptographicHash::hash(longer, QCryptographicHash::Md5).toHex(),
            QByteArray("2aa93d08b8e0b1dfdf1bc4f64c4dcd85"));
  EXPECT_NE(SyntheticHistory(Pick(6, 45, 16, 50, 8)), SyntheticHistory(Pick(6, 45, 16, 50, 7)));
}

TEST(SyntheticHistory, PickDrawsAreSortedDistinctAndInRange) {
  const LoadedHistory r = ParseHistory(SyntheticHistory(Pick(6, 45, 16, 2000, 11)));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 2000);
  EXPECT_EQ(r.history.PositionCount, 7);
  std::set<int> bonusSeen;
  for (int d = 1; d <= r.history.DrawCount; ++d) {
    for (int k = 1; k <= 6; ++k) {
      ASSERT_GE(r.history.P(k, d), 1);
      ASSERT_LE(r.history.P(k, d), 45);
      if (k > 1) {
        ASSERT_LT(r.history.P(k - 1, d), r.history.P(k, d));
      }
    }
    ASSERT_GE(r.history.P(7, d), 1);
    ASSERT_LE(r.history.P(7, d), 16);
    bonusSeen.insert(r.history.P(7, d));
  }
  EXPECT_EQ(bonusSeen.size(), 16u);  // every bonus value comes out in 2000 draws
}

TEST(SyntheticHistory, DigitDrawsAndDatesThreeOrFourDaysApart) {
  const SynthOptions options = Digits(4, 300, 5);
  const LoadedHistory r = ParseHistory(SyntheticHistory(options));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.PositionCount, 4);
  QDate previous;
  for (int d = 1; d <= r.history.DrawCount; ++d) {
    for (int k = 1; k <= 4; ++k) ASSERT_LE(r.history.P(k, d), 9);
    const QDate date = QDate::fromString(r.history.Date(d), QStringLiteral("dd/MM/yyyy"));
    ASSERT_TRUE(date.isValid());
    if (d > 1) {
      const qint64 gap = previous.daysTo(date);
      ASSERT_TRUE(gap == 3 || gap == 4) << gap;
    }
    previous = date;
  }
  EXPECT_EQ(r.history.Date(1), QStringLiteral("02/01/1990"));
}

TEST(SyntheticHistory, InvalidOptionsGiveNothing) {
  EXPECT_TRUE(SyntheticHistory(Pick(8, 45, 0, 10, 1)).isEmpty());   // 8 positions
  EXPECT_TRUE(SyntheticHistory(Pick(6, 45, 16, 0, 1)).isEmpty());   // no draws
  EXPECT_TRUE(SyntheticHistory(Pick(6, 5, 0, 10, 1)).isEmpty());    // 6 of 5
  EXPECT_TRUE(SyntheticHistory(Pick(6, 100, 0, 10, 1)).isEmpty());  // three digits
  EXPECT_TRUE(SyntheticHistory(Pick(1, 45, 0, 10, 1)).isEmpty());   // one position
  EXPECT_TRUE(SyntheticHistory(Digits(8, 10, 1)).isEmpty());
  EXPECT_FALSE(CheckSynthOptions(Digits(1, 10, 1)).isEmpty());
  EXPECT_TRUE(CheckSynthOptions(Pick(1, 45, 16, 10, 1)).isEmpty());  // one number and a bonus ball
}

}  // namespace
}  // namespace tombolix
