// Inputs a user's history folder may really hold: each must load or be rejected
// quickly, never crash or hang.
#include "history/loader.h"

#include "history_text.h"
#include "support/test_files.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include "synthetic_history.h"

namespace tombolix {
namespace {

using test::HistoryLines;

void ExpectRejectedWithoutLine(const LoadedHistory& r) {
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 0);
  EXPECT_TRUE(r.rejectedLine.isEmpty());
}

TEST(LoaderBadInput, EmptyFileAndEmptyFirstLine) {
  ExpectRejectedWithoutLine(ParseHistory(QByteArray()));
  ExpectRejectedWithoutLine(ParseHistory("\r\n01/01/2024,1,2\r\n"));
  ExpectRejectedWithoutLine(ParseHistory("\xEF\xBB\xBF\r\n01/01/2024,1,2\r\n"));
}

TEST(LoaderBadInput, FileThatCannotBeReadParsesAsEmpty) {
  test::TempFolder folder;
  ExpectRejectedWithoutLine(ReadHistoryFile(folder.FilePath(QStringLiteral("missing.txt"))));
  ExpectRejectedWithoutLine(ReadHistoryFile(folder.MakeFolder(QStringLiteral("folder.txt"))));
}

TEST(LoaderBadInput, ReadingLeavesTheFileUntouched) {
  test::TempFolder folder;
  const QByteArray bytes = HistoryLines({"01/01/2024,1,2", "02/01/2024,3,4"});
  const QString path = folder.Write(QStringLiteral("Loto.txt"), bytes);
  const LoadedHistory r = ReadHistoryFile(path);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 2);
  EXPECT_EQ(test::ReadFile(path), bytes);
}

TEST(LoaderBadInput, Utf8WithByteOrderMarkLoadsLikeWithout) {
  const QByteArray plain = HistoryLines({"07/01/2023,05,12,33", "10/01/2023,01,09,23"});
  const LoadedHistory withMark = ParseHistory("\xEF\xBB\xBF" + plain);
  const LoadedHistory without = ParseHistory(plain);
  ASSERT_TRUE(withMark.accepted);
  EXPECT_EQ(withMark.history.DrawDate, without.history.DrawDate);
  EXPECT_EQ(withMark.history.Pos, without.history.Pos);
}

TEST(LoaderBadInput, Utf16FileIsRejected) {
  for (auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    const QByteArray bytes = encoder.encode(QStringLiteral("07/01/2023,05,12,33\r\n10/01/2023,01,09,23\r\n"));
    const LoadedHistory r = ParseHistory(bytes);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.history.DrawCount, 0);
  }
}

TEST(LoaderBadInput, BinaryBytesAreRejected) {
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  EXPECT_FALSE(ParseHistory(everyByte).accepted);

  SplitMix64 rng(99);
  QByteArray noise = "x";  // so that the noise never starts with an empty line
  for (int i = 0; i < 1 << 16; ++i) noise.append(static_cast<char>(rng.Below(256)));
  EXPECT_FALSE(ParseHistory(noise).accepted);
  // The same noise after a good draw: the good draw stays, the history is rejected.
  const LoadedHistory r = ParseHistory("01/01/2024,1,2\r\n" + noise);
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(r.history.DrawCount, 1);
}

TEST(LoaderBadInput, TenMegabyteLines) {
  const int size = 10 * 1024 * 1024;
  QByteArray digits(size, '7');
  ExpectRejectedWithoutLine(ParseHistory(digits));

  const QByteArray fields = "01/01/2024" + QByteArray(",5").repeated(size / 2);
  const LoadedHistory wide = ParseHistory(fields);
  EXPECT_TRUE(wide.accepted);
  EXPECT_EQ(wide.history.PositionCount, 7);

  QByteArray spaces(size, ' ');
  ExpectRejectedWithoutLine(ParseHistory(spaces + "\r\n01/01/2024,1,2\r\n"));
}

TEST(LoaderBadInput, EachUnreadableLineKind) {
  struct Case {
    const char* text;
    int draws;
    const char* rejected;
  };
  const Case cases[] = {
      {"01/01/2024,7\r\n", 0, ""},                                    // one number
      {"01/01/2024\r\n", 0, ""},                                      // a date only
      {"32/01/2024,1,2\r\n", 0, "32/01/2024,1,2"},                    // bad date
      {"01/01/2024,1,2\r\n02/01/2024,1,x\r\n", 1, "02/01/2024,1,x"},  // non-numeric
      {"01/01/2024,1,2,3\r\n02/01/2024,1\r\n", 1, "02/01/2024,1"},    // too few numbers
  };
  for (const Case& c : cases) {
    const LoadedHistory r = ParseHistory(c.text);
    EXPECT_FALSE(r.accepted) << c.text;
    EXPECT_EQ(r.history.DrawCount, c.draws) << c.text;
    EXPECT_EQ(r.rejectedLine, QString::fromLatin1(c.rejected)) << c.text;
  }
}

TEST(LoaderBadInput, OutOfRangeNumbersLoad) {
  const LoadedHistory r = ParseHistory("01/01/2024,100,123,-4\r01/02/2024,99,0,-0\r");
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.history.P(1, 1), 10);
  EXPECT_EQ(r.history.P(2, 1), 12);
  EXPECT_EQ(r.history.P(3, 1), 0);
  EXPECT_EQ(r.history.P(1, 2), 99);
}

}  // namespace
}  // namespace tombolix
