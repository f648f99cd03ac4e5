#include "codec/ansi_codec.h"
#include "history/prime.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(ClasePrimo, ClassifiesNumbers) {
  for (int n : {0, 1}) EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QChar(u'&')) << n;
  for (int n : {2, 3, 5, 7, 97, 251}) EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QChar(u'+')) << n;
  // 100 is the filler of missing positions; 25 and 49 are squares of primes.
  for (int n : {4, 9, 15, 25, 49, 99, 100, 255})
    EXPECT_EQ(ClasePrimo(static_cast<quint8>(n)), QChar(u'-')) << n;
  int primes = 0;
  for (int n = 0; n <= 255; ++n) primes += ClasePrimo(static_cast<quint8>(n)) == u'+';
  EXPECT_EQ(primes, 54);
}

TEST(AnsiCodec, Windows1252BothWays) {
  EXPECT_EQ(AnsiCodec::Decode("A\x80\x81\x9F\xE9"), QStringLiteral("A\u20AC\u0081\u0178\u00E9"));
  EXPECT_EQ(AnsiCodec::Decode(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  EXPECT_EQ(AnsiCodec::Encode(AnsiCodec::Decode(everyByte)), everyByte);
  // Characters without a byte become one '?' each, outside the basic plane too.
  EXPECT_EQ(AnsiCodec::Encode(u"a\u65E5b\U0001F600\u20AC\u00F1"), QByteArray("a?b?\x80\xF1"));
}

}  // namespace
}  // namespace tombolix
