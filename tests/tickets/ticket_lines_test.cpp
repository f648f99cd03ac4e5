#include "tickets/ticket_lines.h"

#include "history/loader.h"
#include "support/synth_games.h"

#include <gtest/gtest.h>

#include <QDir>

namespace tombolix {
namespace {

TEST(TicketLines, EveryBadLineIsNamedAndTheRestRead) {
  const GameShape euro{GameKind::Pool, 5, 1, 50, 2, 1, 12, false};
  const TicketLines read = ReadTicketLines(
      u"1 2 3 4 5 6 7\r\n"
      u"\n"
      u"  5,18,22-30:41 + 3 12\n"
      u"1 2 3 4 5 6\n"
      u"1 2 3 4 51 6 7\n"
      u"1 2 3 4 5 6 13\n"
      u"1 2 3 3 5 6 7\n"
      u"1 2 3 4 5 5 6\n"
      u"1 2 tres 4 5 6 7\n"
      u"1 2 3 4 5 6 1234567\n"
      u"10 20 30 40 50\n",
      euro);
  ASSERT_EQ(read.tickets.size(), 4);
  // The stars may be left out: the ticket then plays its main numbers only.
  EXPECT_EQ(read.tickets[3].numbers, (QVector<quint8>{10, 20, 30, 40, 50}));
  EXPECT_EQ(read.tickets[0].line, 1);
  EXPECT_EQ(read.tickets[1].line, 3);
  EXPECT_EQ(read.tickets[1].numbers, (QVector<quint8>{5, 18, 22, 30, 41, 3, 12}));
  // A star may repeat a main number: they are drawn from different drums.
  EXPECT_EQ(read.tickets[2].line, 8);
  QVector<int> badLines;
  for (const TicketLineError& e : read.errors) {
    badLines.append(e.line);
    EXPECT_FALSE(e.reason.isEmpty());
  }
  EXPECT_EQ(badLines, (QVector<int>{4, 5, 6, 7, 9, 10}));
  EXPECT_TRUE(read.errors[0].reason.contains(QStringLiteral("tiene 6 números")));
  EXPECT_TRUE(read.errors[1].reason.contains(QStringLiteral("el 51 no sale")));
  EXPECT_TRUE(read.errors[3].reason.contains(QStringLiteral("repetido")));
  EXPECT_EQ(read.errors[4].text, QStringLiteral("1 2 tres 4 5 6 7"));

  const GameShape digits{GameKind::Digits, 4, 0, 9, 0, 0, 0, false};
  const TicketLines four = ReadTicketLines(u"0427\n0 4 2 7\n4-4-4-4\n042\n12 4 2 7\n", digits);
  ASSERT_EQ(four.tickets.size(), 3);
  EXPECT_EQ(four.tickets[0].numbers, four.tickets[1].numbers);
  EXPECT_EQ(four.errors.size(), 2);
}

struct ShapeCase {
  const char* name;
  SynthOptions synth;
  GameShape expected;
};

TEST(TicketShape, GuessedFromTheDraws) {
  const SynthOptions powerball = test::SynthPool(5, 69, 26);
  const SynthOptions euro = test::SynthPool(5, 50, 12, true);
  const SynthOptions digits = test::SynthDigits(4);
  const ShapeCase cases[] = {
      {"powerball", powerball, {GameKind::Pool, 5, 1, 69, 1, 1, 26, false}},
      {"stars", euro, {GameKind::Pool, 5, 1, 50, 2, 1, 12, false}},
      {"digits", digits, {GameKind::Digits, 4, 0, 9, 0, 1, 12, false}},
      {"six of 45", test::SynthPool(6, 45), {GameKind::Pool, 6, 1, 45, 0, 1, 45, false}},
  };
  for (const ShapeCase& c : cases) {
    const LoadedHistory loaded = ParseHistory(SyntheticHistory(c.synth));
    EXPECT_EQ(GuessGameShape(HistoryView(loaded.history)), c.expected) << c.name;
  }
  // Six sorted numbers and a seventh ball from the same drum, never one of the six.
  QByteArray text;
  SplitMix64 random(3);
  for (int d = 0; d < 400; ++d) {
    QVector<int> balls;
    while (balls.size() < 7) {
      const int n = 1 + static_cast<int>(random.Below(49));
      if (!balls.contains(n)) balls.append(n);
    }
    std::sort(balls.begin(), balls.begin() + 6);
    text += "01/01/2000";
    for (const int n : balls) text += ',' + QByteArray::number(n);
    text += "\r\n";
  }
  const GameShape bonus = GuessGameShape(HistoryView(ParseHistory(text).history));
  EXPECT_EQ(bonus.mainCount, 6);
  EXPECT_EQ(bonus.extraCount, 1);
  EXPECT_TRUE(bonus.extraFromMainPool);
}

TEST(TicketShape, TextRoundTripAndChecks) {
  const GameShape euro{GameKind::Pool, 5, 1, 50, 2, 1, 12, false};
  GameShape back;
  ASSERT_TRUE(GameShapeFromText(GameShapeToText(euro), &back));
  EXPECT_EQ(back, euro);
  for (const char* bad : {"", "bombo;5;1;50", "cifras;4;0;9;1;1;1;0", "bombo;5;1;3;0;1;1;0", "x;5;1;50;2;1;12;0"}) {
    EXPECT_FALSE(GameShapeFromText(QString::fromLatin1(bad), &back)) << bad;
  }
  EXPECT_TRUE(CheckGameShape(euro, 7).isEmpty());
  EXPECT_FALSE(CheckGameShape(euro, 6).isEmpty());
}

}  // namespace
}  // namespace tombolix
