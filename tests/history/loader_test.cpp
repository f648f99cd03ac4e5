#include "history/loader.h"

#include "support/test_files.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include "synthetic_history.h"

namespace tombolix {
namespace {

// History-file bytes: the lines joined with CR LF, the last one ended too.
QByteArray HistoryLines(std::initializer_list<QByteArrayView> lines) {
  QByteArray text;
  for (const QByteArrayView line : lines) text.append(line).append("\r\n");
  return text;
}

std::vector<int> Column(const History& h, int k) {
  std::vector<int> values;
  for (int d = 1; d <= h.DrawCount; ++d) values.push_back(h.P(k, d));
  return values;
}

std::vector<int> Draw(const History& h, int d) {
  std::vector<int> values;
  for (int k = 1; k <= kMaxPositions; ++k) values.push_back(h.P(k, d));
  return values;
}

TEST(Loader, ReadsDrawsPositionsDatesAndFillers) {
  const LoadedHistory r = ParseHistory(HistoryLines({"2023-01-07,05,12,33,41,44,48", "2023-01-10,1,9,23,30,37,45"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 2);
  EXPECT_EQ(r.history.PositionCount, 6);
  EXPECT_EQ(Column(r.history, 1), (std::vector<int>{5, 1}));
  EXPECT_EQ(Column(r.history, 7), (std::vector<int>{100, 100}));
  EXPECT_EQ(r.history.Date(1), QStringLiteral("2023-01-07"));
  // A longer later line fills the spare columns; fields past the seventh number
  // are ignored; a short date is padded to 10 characters.
  const LoadedHistory longer =
      ParseHistory(HistoryLines({"7/1/23,1,2,3", "02/01/2024,4,5,6,7,8,9,10,11,junk", "03/01/2024,9,9,9"}));
  ASSERT_TRUE(longer.accepted);
  EXPECT_EQ(longer.history.PositionCount, 3);
  EXPECT_EQ(Column(longer.history, 4), (std::vector<int>{100, 7, 100}));
  EXPECT_EQ(Draw(longer.history, 2), (std::vector<int>{4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(longer.history.Date(1), QStringLiteral("7/1/23    "));
  // 300 fields: the position count is capped at 7 and must not wrap around 256.
  EXPECT_EQ(ParseHistory(HistoryLines({"01/01/2024" + QByteArray(",1").repeated(299)})).history.PositionCount, 7);
}

TEST(Loader, SpacesTabsAndByteOrderMarksAreIgnored) {
  const QByteArray plain = HistoryLines({"2024/01/05,3,17,22", "2024/01/06,4,18,23"});
  const LoadedHistory expected = ParseHistory(plain);
  ASSERT_TRUE(expected.accepted);
  for (const QByteArray& text : {QByteArray("\xEF\xBB\xBF") + plain, HistoryLines({" 2024/ 01/05 ,\t3, 1 7 ,22\t ",
                                                                                   "2024/01/06,\xFF\xFE"
                                                                                   "4,1\xFE\xFF"
                                                                                   "8,23"})}) {
    const LoadedHistory r = ParseHistory(text);
    ASSERT_TRUE(r.accepted) << text.constData();
    EXPECT_EQ(r.history.DrawDate, expected.history.DrawDate);
    EXPECT_EQ(r.history.Pos, expected.history.Pos);
  }
  // Each mark is removed in one pass: "ÿÿþþ" leaves a "ÿþ", which is not numeric.
  EXPECT_EQ(ParseHistory(HistoryLines({"2024/01/05,1,2", "2024/01/06,1,\xFF\xFF\xFE\xFE"})).rejectedLine,
            QStringLiteral("2024/01/06,1,\u00FF\u00FE"));
}

TEST(Loader, LineEndsAndTheFirstEmptyLine) {
  for (const QByteArray& text : {QByteArray("01/01/2024,1,2\r\n02/01/2024,3,4\r\n03/01/2024,5,6\r\n"),
                                 QByteArray("01/01/2024,1,2\r02/01/2024,3,4\r03/01/2024,5,6"),
                                 QByteArray("01/01/2024,1,2\n02/01/2024,3,4\r\n03/01/2024,5,6\r")}) {
    const LoadedHistory r = ParseHistory(text);
    ASSERT_TRUE(r.accepted) << text.constData();
    EXPECT_EQ(Column(r.history, 2), (std::vector<int>{2, 4, 6}));
  }
  // LF CR is two line ends, so an empty line between them.
  EXPECT_EQ(ParseHistory("01/01/2024,1,2\n\r01/01/2024,3,4\n").history.DrawCount, 1);
}

TEST(Loader, NumberFieldsAreCutToTwoCharactersThenConverted) {
  // 100 and 123 read as 10 and 12; a negative value has no unsigned 8-bit value
  // and leaves 0; .5 rounds to the even 0.
  const LoadedHistory r =
      ParseHistory(HistoryLines({"01/01/2024,100,123,1.5,-5,+5,.6,09", "01/01/2024,-0,.5,-12,5.,7,7,7"}));
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(Draw(r.history, 1), (std::vector<int>{10, 12, 1, 0, 5, 1, 9}));
  EXPECT_EQ(Draw(r.history, 2), (std::vector<int>{0, 0, 0, 5, 7, 7, 7}));
}

TEST(Loader, UnreadableLinesRejectTheHistory) {
  struct Case {
    QByteArray text;
    int draws;
    const char* rejected;  // the line as normalised, cut at the first filler
  };
  const QByteArray good = "01/01/2024,1,2,3\r\n";
  const Case cases[] = {
      {"", 0, ""},                                             // empty file
      {"\r\n01/01/2024,1,2\r\n", 0, ""},                       // empty first line
      {"\xEF\xBB\xBF \r\n01/01/2024,1,2\r\n", 0, ""},          // a first line of a mark only
      {"2023-01-07,17\r\n01/01/2024,1,2\r\n", 0, ""},          // one number
      {"2023-01-07\r\n", 0, ""},                               // a date only
      {"2023-01-07,\r\n", 0, ""},                              // a date and an empty field
      {"fecha,1,2\r\n", 0, "fecha,1,2"},                       // bad first line with two numbers
      {good + "32/01/2024,1,2,3\r\n", 1, "32/01/2024,1,2,3"},  // no such day
      {good + "02/01/2024,1,,3\r\n", 1, "02/01/2024,1,,3"},    // empty field
      {good + "02/01/2024,123,x,4567\r\n", 1, "02/01/2024,12,x,45"},
      {good + "02/01/2024,1,2,3,4,5,6,xyz,9\r\n", 1, "02/01/2024,1,2,3,4,5,6,xy"},
      {good + "02/01/2024,1\r\n", 1, "02/01/2024,1"},  // too few numbers
      {QByteArray("2023-01-07,05,12,33,41,44,48\r\n").repeated(39) + "2023-03-01, 4, 8, 15, 16, 23\r\n", 39,
       "2023-03-01,4,8,15,16,23"},  // five of six numbers, shown as read
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.left(80).constData());
    const LoadedHistory r = ParseHistory(c.text);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.history.DrawCount, c.draws);
    EXPECT_EQ(r.rejectedLine, QString::fromLatin1(c.rejected));
  }
  for (const char* field : {"a", "1a", "+", "-", ".", "1e5", "++", "1-", "\xB2"}) {
    EXPECT_FALSE(ParseHistory(good + "02/01/2024,4," + field + ",9\r\n").accepted) << field;
  }
  // The rejected text is decoded from Windows-1252.
  EXPECT_EQ(ParseHistory(good + "02/01/2024,\xE9\x80,1,2").rejectedLine, QStringLiteral("02/01/2024,\u00E9\u20AC,1,2"));
}

// Six-number draws whose even count is given; numbers far apart and odd ones prime.
QByteArray DrawsWithEvens(int evens, int draws) {
  static const char* const kLines[] = {"01/01/2024,03,13,23,33,43,53", "01/01/2024,04,13,23,37,43,53",
                                       "01/01/2024,04,14,23,37,43,53", "01/01/2024,04,14,24,37,43,53",
                                       "01/01/2024,04,14,24,34,43,53"};
  return (QByteArray(kLines[evens]) + "\r\n").repeated(draws);
}

TEST(Loader, AcceptanceValuesDivideByHundredHalvesToEven) {
  struct Case {
    QByteArray text;
    int high, low;
  };
  // 150 -> 1.5 -> 2, 250 -> 2.5 -> 2, 350 -> 3.5 -> 4, 120 -> 1 (low not lowered), 40 -> 0.
  const Case cases[] = {{DrawsWithEvens(3, 50), 2, 1},
                        {DrawsWithEvens(3, 50) + DrawsWithEvens(2, 50), 2, 1},
                        {DrawsWithEvens(3, 50) + DrawsWithEvens(4, 50), 4, 3},
                        {DrawsWithEvens(3, 40), 1, 1},
                        {DrawsWithEvens(1, 40), 0, 0}};
  for (const Case& c : cases) {
    const LoadedHistory r = ParseHistory(c.text);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(std::pair(r.acceptance.ParesAlto, r.acceptance.ParesBajo), std::pair(c.high, c.low)) << c.text.size();
  }
}

TEST(Loader, AcceptanceValuesCountTheFirstHundredDrawsUpToThePositionCount) {
  // 4-5, 9-8 and 0-1 are consecutive (either direction); 4, 8, 9 composite; 0 and 1 neither.
  const QByteArray text = QByteArray("01/01/2024,04,05,09,08,00,01\r\n").repeated(100) +
                          QByteArray("01/01/2024,02,02,02,02,02,02\r\n").repeated(100);
  const LoadedHistory r = ParseHistory(text);
  ASSERT_TRUE(r.accepted);
  const AcceptanceValues& a = r.acceptance;
  EXPECT_EQ((std::vector<int>{a.ConsecutivosAlto, a.ConsecutivosBajo, a.ParesAlto, a.CompuestosAlto}),
            (std::vector<int>{3, 2, 3, 3}));
  // The filler 100 is even and composite but lies beyond the position count.
  const AcceptanceValues two = ParseHistory(QByteArray("01/01/2024,03,05\r\n").repeated(100)).acceptance;
  EXPECT_EQ(two.ParesAlto + two.CompuestosAlto, 0);
}

TEST(LoaderBadInput, FilesThatCannotBeReadParseAsEmptyAndNoFileIsWritten) {
  test::TempFolder folder;
  for (const QString& path :
       {folder.FilePath(QStringLiteral("missing.txt")), folder.MakeFolder(QStringLiteral("folder.txt"))}) {
    const LoadedHistory r = ReadHistoryFile(path);
    EXPECT_FALSE(r.accepted);
    EXPECT_TRUE(r.rejectedLine.isEmpty());
  }
  const QByteArray bytes = HistoryLines({"01/01/2024,1,2", "02/01/2024,3,4"});
  const QString path = folder.Write(QStringLiteral("Loto.txt"), bytes);
  EXPECT_EQ(ReadHistoryFile(path).history.DrawCount, 2);
  EXPECT_EQ(test::ReadFile(path), bytes);
}

TEST(LoaderBadInput, Utf16BinaryAndHugeInputsAreRejectedQuickly) {
  for (auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    const QByteArray bytes = encoder.encode(QStringLiteral("07/01/2023,05,12,33\r\n"));
    EXPECT_FALSE(ParseHistory(bytes).accepted);
  }
  SplitMix64 rng(99);
  QByteArray noise = "x";  // so that the noise never starts with an empty line
  for (int i = 0; i < 1 << 16; ++i) noise.append(static_cast<char>(rng.Below(256)));
  EXPECT_FALSE(ParseHistory(noise).accepted);
  const LoadedHistory afterGood = ParseHistory("01/01/2024,1,2\r\n" + noise);
  EXPECT_FALSE(afterGood.accepted);
  EXPECT_EQ(afterGood.history.DrawCount, 1);

  const int size = 10 * 1024 * 1024;
  const LoadedHistory digits = ParseHistory(QByteArray(size, '7'));
  EXPECT_FALSE(digits.accepted);
  EXPECT_TRUE(digits.rejectedLine.isEmpty());
  EXPECT_TRUE(ParseHistory("01/01/2024" + QByteArray(",5").repeated(size / 2)).accepted);
  EXPECT_EQ(ParseHistory(QByteArray(size, ' ') + "\r\n01/01/2024,1,2\r\n").history.DrawCount, 0);
}

}  // namespace
}  // namespace tombolix
