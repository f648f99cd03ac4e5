#include "combinations/list_codec.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The digits of an encoding written as the stored characters 171..180.
QString Substituted(const char* digits) {
  QString text;
  for (const char* d = digits; *d != '\0'; ++d) text += QChar(static_cast<char16_t>(171 + (*d - '0')));
  return text;
}

TEST(CodificarTexto, WritesLengthThenCodeForEachCharacter) {
  struct Case {
    QString text;
    const char* digits;
  };
  const Case cases[] = {
      {QString(), ""},
      {QStringLiteral("A"), "265"},
      {QStringLiteral(" "), "232"},
      {QStringLiteral("%#09"), "237235248257"},
      {QString(QChar(u'\0')) + QChar(u'\t'), "1019"},
      {QStringLiteral("\u00E9\u20AC"), "32333128"},  // é is 233; € is byte 128 of the code page
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodificarTexto(c.text, false), QLatin1String(c.digits)) << c.digits;
    EXPECT_EQ(CodificarTexto(c.text, true), Substituted(c.digits)) << c.digits;
    EXPECT_EQ(DecodificarTexto(QString::fromLatin1(c.digits), false), c.text) << c.digits;
    EXPECT_EQ(DecodificarTexto(Substituted(c.digits), true), c.text) << c.digits;
  }
}

TEST(DecodificarTexto, ToleratesShortAndDamagedInput) {
  struct Case {
    const char* digits;
    QString plain;
  };
  const Case cases[] = {
      {"2", QString()},                                 // a lone length digit: the cut end of a record
      {"0265", QStringLiteral("A")},                    // an empty group adds nothing
      {"26532", QStringLiteral("A") + QChar(u'\x02')},  // the last group takes the digits that are left
      {"39992", QString(QChar(u'\uFFFD'))},             // code 999 is no character; the lone 2 adds nothing
      {"9123456789", QString(QChar(u'\uFFFD'))},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodificarTexto(QString::fromLatin1(c.digits), false), c.plain) << c.digits;
    EXPECT_EQ(DecodificarTexto(Substituted(c.digits), true), c.plain) << c.digits;
  }
  // Decoding stops at the first character that is not a digit of the encoding.
  EXPECT_EQ(DecodificarTexto(QStringLiteral("265x265"), false), QStringLiteral("A"));
  EXPECT_EQ(DecodificarTexto(QStringLiteral("26x"), false), QString());
  EXPECT_EQ(DecodificarTexto(Substituted("265") + QChar(u'\u00B5') + Substituted("265"), true), QStringLiteral("A"));
  EXPECT_EQ(DecodificarTexto(QStringLiteral("265"), true), QString());
}

TEST(ListRecord, IsRotatedByFortyNinePlusThePositionCount) {
  // Two spaces encode as 232232: with four positions the kept text is rotated
  // left by 53 characters, so the record starts with its 54th digit.
  const QString line = QStringLiteral("  000001%    07 12 25 33 ");
  const QString kept = CodificarTexto(line + QString(75, u' '), true).left(100);
  const QByteArray record = EncodeListRecord(line, 4);
  EXPECT_EQ(QString::fromLatin1(record), kept.mid(53) + kept.left(53));
  EXPECT_NE(EncodeListRecord(line, 5), record);
}

}  // namespace
}  // namespace tombolix
