#include "history/ansi_codec.h"
#include "history/prime.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(ClasePrimo, ClassifiesNumbers) {
  for (int n : {0, 1}) EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QStringLiteral("&")) << n;
  for (int n : {2, 3, 5, 7, 11, 97, 251}) EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QStringLiteral("+")) << n;
  // 100 is the filler of missing positions; 25 and 49 are squares of primes.
  for (int n : {4, 9, 15, 25, 49, 99, 100, 121, 255}) {
    EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QStringLiteral("-")) << n;
  }
  int primes = 0;
  for (int n = 0; n <= 255; ++n) primes += ClasePrimoChar(static_cast<quint8>(n)) == u'+';
  EXPECT_EQ(primes, 54);
}

TEST(AnsiCodec, DecodesWindows1252) {
  EXPECT_EQ(AnsiCodec::DecodeByte(0x41), QLatin1Char('A'));
  EXPECT_EQ(AnsiCodec::DecodeByte(0x80), QChar(0x20AC));
  EXPECT_EQ(AnsiCodec::DecodeByte(0x81), QChar(0x0081));
  EXPECT_EQ(AnsiCodec::DecodeByte(0x9F), QChar(0x0178));
  EXPECT_EQ(AnsiCodec::DecodeByte(0xE9), QChar(0x00E9));
  EXPECT_EQ(AnsiCodec::Decode("\xEF\xBB\xBF"), QStringLiteral("\u00EF\u00BB\u00BF"));
  EXPECT_EQ(AnsiCodec::Decode(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
}

TEST(AnsiCodec, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks) {
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  EXPECT_EQ(AnsiCodec::Encode(AnsiCodec::Decode(everyByte)), everyByte);
  EXPECT_EQ(AnsiCodec::Encode(u"a\u65E5b"), QByteArray("a?b"));
  EXPECT_EQ(AnsiCodec::Encode(u"x\U0001F600y"), QByteArray("x?y"));
  EXPECT_EQ(AnsiCodec::Encode(u"\u20AC\u00F1"), QByteArray("\x80\xF1"));
}

}  // namespace
}  // namespace tombolix
