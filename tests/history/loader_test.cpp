#include "history/loader.h"

#include "history_text.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::HistoryLines;

std::vector<int> Column(const History& h, int k) {
  std::vector<int> values;
  for (int d = 1; d <= h.DrawCount; ++d) values.push_back(h.P(k, d));
  return values;
}

TEST(Loader, ReadsDrawsPositionsDatesAndFillers) {
  const LoadedHistory r = ParseHistory(HistoryLines({"2023-01-07,05,12,33,41,44,48", "2023-01-10,1,9,23,30,37,45"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_TRUE(r.rejectedLine.isEmpty());
  EXPECT_EQ(r.history.DrawCount, 2);
  EXPECT_EQ(r.history.PositionCount, 6);
  EXPECT_EQ(Column(r.history, 1), (std::vector<int>{5, 1}));
  EXPECT_EQ(Column(r.history, 6), (std::vector<int>{48, 45}));
  EXPECT_EQ(Column(r.history, 7), (std::vector<int>{100, 100}));
  EXPECT_EQ(r.history.Date(1), QStringLiteral("2023-01-07"));
  EXPECT_EQ(r.history.Date(2), QStringLiteral("2023-01-10"));
}

TEST(Loader, ShortDatesArePaddedToTenCharacters) {
  const LoadedHistory r = ParseHistory(HistoryLines({"7/1/23,1,2", "8.1.2023,3,4"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.Date(1), QStringLiteral("7/1/23    "));
  EXPECT_EQ(r.history.Date(2), QStringLiteral("8.1.2023  "));
}

TEST(Loader, SpacesTabsAndByteOrderMarksAreIgnoredAnywhere) {
  const LoadedHistory plain = ParseHistory(HistoryLines({"2024/01/05,3,17,22"}));
  const LoadedHistory spaced = ParseHistory(HistoryLines({" 2024/ 01/05 ,\t3, 1 7 ,22\t "}));
  const LoadedHistory marked =
      ParseHistory(HistoryLines({"\xEF\xBB\xBF"
                                 "2024/01/05,\xFF\xFE"
                                 "3,1\xFE\xFF"
                                 "7,22"}));
  for (const LoadedHistory* r : {&plain, &spaced, &marked}) {
    ASSERT_TRUE(r->accepted);
    EXPECT_EQ(r->history.PositionCount, 3);
    EXPECT_EQ(r->history.Date(1), QStringLiteral("2024/01/05"));
    EXPECT_EQ(Column(r->history, 2), std::vector<int>{17});
  }
}

TEST(Loader, ByteOrderMarksAreRemovedInOnePassEach) {
  // Removing "ÿþ" from "ÿÿþþ" brings a new "ÿþ" together, which stays: the
  // field is then not numeric.
  const LoadedHistory r = ParseHistory(HistoryLines({"2024/01/05,1,2", "2024/01/06,1,\xFF\xFF\xFE\xFE"}));
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(r.rejectedLine, QStringLiteral("2024/01/06,1,\u00FF\u00FE"));
}

TEST(Loader, LineEndsMayBeCrLfCrOrLf) {
  const QByteArray crlf = "01/01/2024,1,2\r\n02/01/2024,3,4\r\n03/01/2024,5,6\r\n";
  for (const QByteArray& text : {crlf, QByteArray("01/01/2024,1,2\r02/01/2024,3,4\r03/01/2024,5,6"),
                                 QByteArray("01/01/2024,1,2\n02/01/2024,3,4\n03/01/2024,5,6\n"),
                                 QByteArray("01/01/2024,1,2\r\n02/01/2024,3,4\n03/01/2024,5,6\r")}) {
    const LoadedHistory r = ParseHistory(text);
    ASSERT_TRUE(r.accepted) << text.constData();
    EXPECT_EQ(r.history.DrawCount, 3);
    EXPECT_EQ(Column(r.history, 2), (std::vector<int>{2, 4, 6}));
  }
}

TEST(Loader, FirstEmptyLineEndsTheData) {
  QByteArray text;
  for (int i = 0; i < 500; ++i) text += "01/01/2024,1,2,3\r\n";
  const LoadedHistory r = ParseHistory(text + " \t\r\n01/01/2024,4,5,6\r\nnot a draw\r\n");
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 500);
  // LF CR is two line ends, so an empty line between them.
  EXPECT_EQ(ParseHistory("01/01/2024,1,2\n\r01/01/2024,3,4\n").history.DrawCount, 1);
}

TEST(Loader, NumberFieldsAreCutToTwoCharacters) {
  const LoadedHistory r = ParseHistory(HistoryLines({"01/01/2024,100,123,1.5,1.,7,09"}));
  ASSERT_TRUE(r.accepted);
  std::vector<int> draw;
  for (int k = 1; k <= 6; ++k) draw.push_back(r.history.P(k, 1));
  EXPECT_EQ(draw, (std::vector<int>{10, 12, 1, 1, 7, 9}));
}

TEST(Loader, SignedAndDecimalFieldsConvertOrLeaveZero) {
  const LoadedHistory r = ParseHistory(HistoryLines({"01/01/2024,+5,-5,-0,.5,.6,-12,5."}));
  ASSERT_TRUE(r.accepted);
  std::vector<int> draw;
  for (int k = 1; k <= 7; ++k) draw.push_back(r.history.P(k, 1));
  // Negative values have no unsigned 8-bit value; .5 rounds to the even 0; -12 reads as -1.
  EXPECT_EQ(draw, (std::vector<int>{5, 0, 0, 0, 1, 0, 5}));
}

TEST(Loader, NonNumericFieldsRejectTheLine) {
  for (const char* field : {"", "a", "1a", "+", "-", ".", "1e5", "++", "1-", "\xB2"}) {
    const QByteArray line = QByteArray("02/01/2024,4,") + field + ",9";
    const LoadedHistory r = ParseHistory(HistoryLines({"01/01/2024,1,2,3", line}));
    EXPECT_FALSE(r.accepted) << field;
    EXPECT_EQ(r.history.DrawCount, 1) << field;
    EXPECT_FALSE(r.rejectedLine.isEmpty()) << field;
  }
}

TEST(Loader, LaterLineWithTooFewNumbersIsShownAsRead) {
  QByteArray text;
  for (int i = 0; i < 39; ++i) text += "2023-01-07,05,12,33,41,44,48\r\n";
  text += "2023-03-01, 4, 8, 15, 16, 23\r\n2023-03-04,1,2,3,4,5,6\r\n";
  const LoadedHistory r = ParseHistory(text);
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 39);
  EXPECT_EQ(r.history.PositionCount, 6);
  EXPECT_EQ(r.rejectedLine, QStringLiteral("2023-03-01,4,8,15,16,23"));
}

TEST(Loader, RejectedLineIsNormalisedAndCutAtTheFirstFiller) {
  auto rejected = [](QByteArrayView second) {
    return ParseHistory(HistoryLines({"2023-01-07,05,12,33", second})).rejectedLine;
  };
  EXPECT_EQ(rejected("2023-01-10,123,x,4567"), QStringLiteral("2023-01-10,12,x,45"));
  EXPECT_EQ(rejected("2023-01-10,1,2,3,4,5,6,xyz,9"), QStringLiteral("2023-01-10,1,2,3,4,5,6,xy"));
  EXPECT_EQ(rejected("31/02/2023,1,2,3"), QStringLiteral("31/02/2023,1,2,3"));
  EXPECT_EQ(rejected("2023-01-10,1,,3"), QStringLiteral("2023-01-10,1,,3"));
  // The rejected text is decoded from Windows-1252.
  EXPECT_EQ(rejected("2023-01-10,\xE9\x80,1,2"), QStringLiteral("2023-01-10,\u00E9\u20AC,1,2"));
  // A bad first line with at least two numbers is shown too.
  EXPECT_EQ(ParseHistory(HistoryLines({"fecha,1,2"})).rejectedLine, QStringLiteral("fecha,1,2"));
}

TEST(Loader, RejectionTextFramesTheLine) {
  EXPECT_EQ(RejectionText(QStringLiteral("a,1")), QString::fromUtf8("     ERROR : HISTORIAL NO VÁLIDO\r\n\r\na,1\r\n"));
  EXPECT_EQ(RejectionText(QString()), QString::fromUtf8("     ERROR : HISTORIAL NO VÁLIDO\r\n\r\n\r\n"));
}

TEST(Loader, LongerLaterLinesFillTheSpareColumns) {
  const LoadedHistory r = ParseHistory(HistoryLines({"01/01/2024,1,2,3", "02/01/2024,4,5,6,7,8", "03/01/2024,9,9,9"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.PositionCount, 3);
  EXPECT_EQ(Column(r.history, 4), (std::vector<int>{100, 7, 100}));
  EXPECT_EQ(Column(r.history, 5), (std::vector<int>{100, 8, 100}));
  EXPECT_EQ(Column(r.history, 6), (std::vector<int>{100, 100, 100}));
}

TEST(Loader, FieldsPastTheSeventhNumberAreIgnored) {
  const LoadedHistory nine = ParseHistory(HistoryLines({"01/01/2024,1,2,3,4,5,6,7,8,junk"}));
  ASSERT_TRUE(nine.accepted);
  EXPECT_EQ(nine.history.PositionCount, 7);
  EXPECT_EQ(nine.history.P(7, 1), 7);

  // 300 fields: the position count must not wrap around 256.
  QByteArray wide = "01/01/2024";
  for (int i = 0; i < 299; ++i) wide += ",1";
  const LoadedHistory r = ParseHistory(HistoryLines({wide, "02/01/2024,1,2,3,4,5,6,7"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.PositionCount, 7);
  EXPECT_EQ(r.history.DrawCount, 2);
}

TEST(Loader, FirstLineNeedsTwoNumbers) {
  for (const char* first : {"2023-01-07,17", "2023-01-07", "2023-01-07,", "hola", "x,1"}) {
    const LoadedHistory r = ParseHistory(HistoryLines({first, "2023-01-10,1,2"}));
    EXPECT_FALSE(r.accepted) << first;
    EXPECT_EQ(r.history.DrawCount, 0) << first;
    EXPECT_TRUE(r.rejectedLine.isEmpty()) << first;
  }
}

TEST(Loader, InvalidDatesRejectTheLine) {
  for (const char* date : {"29/02/2023", "2023-13-01", "31/04/2023", "2023-01-07x", "07-01/2023", "1/1/123"}) {
    const LoadedHistory r = ParseHistory(HistoryLines({"29/02/2024,1,2", QByteArray(date) + ",3,4"}));
    EXPECT_FALSE(r.accepted) << date;
    EXPECT_EQ(r.history.DrawCount, 1) << date;
    EXPECT_EQ(r.rejectedLine, QString::fromLatin1(date) + QStringLiteral(",3,4"));
  }
}

// Six-number draws whose even count is given; numbers far apart and odd ones prime.
QByteArray DrawWithEvens(int evens) {
  static const char* const kLines[] = {"01/01/2024,03,13,23,33,43,53", "01/01/2024,04,13,23,37,43,53",
                                       "01/01/2024,04,14,23,37,43,53", "01/01/2024,04,14,24,37,43,53",
                                       "01/01/2024,04,14,24,34,43,53"};
  return QByteArray(kLines[evens]) + "\r\n";
}

TEST(Loader, AcceptanceValuesDivideByHundredHalvesToEven) {
  struct Case {
    int draws, evensA, drawsB, evensB, high, low;
  };
  // 150 -> 1.5 -> 2, 250 -> 2.5 -> 2, 350 -> 3.5 -> 4, 120 -> 1 (low not lowered), 40 -> 0.
  for (const Case c : {Case{50, 3, 0, 0, 2, 1}, Case{50, 3, 50, 2, 2, 1}, Case{50, 3, 50, 4, 4, 3},
                       Case{40, 3, 0, 0, 1, 1}, Case{40, 1, 0, 0, 0, 0}}) {
    QByteArray text;
    for (int i = 0; i < c.draws; ++i) text += DrawWithEvens(c.evensA);
    for (int i = 0; i < c.drawsB; ++i) text += DrawWithEvens(c.evensB);
    const LoadedHistory r = ParseHistory(text);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(r.acceptance.ParesAlto, c.high) << c.draws << " " << c.evensA;
    EXPECT_EQ(r.acceptance.ParesBajo, c.low) << c.draws << " " << c.evensA;
  }
}

TEST(Loader, AcceptanceValuesCountOnlyTheFirstHundredDraws) {
  QByteArray text;
  // 4,5 and 9,8 are consecutive (either direction); 4, 8, 9 composite; 0 and 1 neither.
  for (int i = 0; i < 100; ++i) text += "01/01/2024,04,05,09,08,00,01\r\n";
  for (int i = 0; i < 100; ++i) text += "01/01/2024,02,02,02,02,02,02\r\n";
  const LoadedHistory r = ParseHistory(text);
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.acceptance.ConsecutivosAlto, 3);  // 4-5, 9-8 and 0-1 in every draw
  EXPECT_EQ(r.acceptance.ConsecutivosBajo, 2);
  EXPECT_EQ(r.acceptance.ParesAlto, 3);
  EXPECT_EQ(r.acceptance.CompuestosAlto, 3);
  EXPECT_EQ(r.acceptance.CompuestosBajo, 2);
}

TEST(Loader, AcceptanceValuesIgnoreTheSpareColumns) {
  // The filler 100 is even and composite but lies beyond the position count.
  QByteArray text;
  for (int i = 0; i < 100; ++i) text += "01/01/2024,03,05\r\n";
  const LoadedHistory r = ParseHistory(text);
  EXPECT_EQ(r.acceptance.ParesAlto, 0);
  EXPECT_EQ(r.acceptance.CompuestosAlto, 0);
  EXPECT_EQ(r.acceptance.ConsecutivosAlto, 0);
}

}  // namespace
}  // namespace tombolix
