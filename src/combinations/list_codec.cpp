#include "combinations/list_codec.h"

#include "codec/ansi_codec.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr char16_t kNoCharacter = 0xFFFD;

// The digit value of one encoded character, or -1 when it is not a digit.
int DigitOf(QChar c, bool substitution) {
  const int code = c.unicode();
  if (substitution) return code >= kFirstDigitCode && code <= kLastDigitCode ? code - kFirstDigitCode : -1;
  return code >= '0' && code <= '9' ? code - '0' : -1;
}

// Rotation of a record written for `positionCount` positions.
qsizetype RotationOf(int positionCount) { return 49 + positionCount; }

QString Joined(QStringView first, QStringView second) {
  QString joined;
  joined.reserve(first.size() + second.size());
  joined += first;
  joined += second;
  return joined;
}

}  // namespace

QString CodificarTexto(QStringView text, bool substitution) {
  const QByteArray codes = AnsiCodec::Encode(text);
  const char16_t zero = substitution ? char16_t(kFirstDigitCode) : u'0';
  QString encoded;
  encoded.reserve(codes.size() * 4);
  for (const char byte : codes) {
    const int code = static_cast<unsigned char>(byte);
    const int digits = code >= 100 ? 3 : code >= 10 ? 2 : 1;
    encoded += QChar(static_cast<char16_t>(zero + digits));
    if (digits == 3) encoded += QChar(static_cast<char16_t>(zero + code / 100));
    if (digits >= 2) encoded += QChar(static_cast<char16_t>(zero + code / 10 % 10));
    encoded += QChar(static_cast<char16_t>(zero + code % 10));
  }
  return encoded;
}

QString DecodificarTexto(QStringView text, bool substitution) {
  QString plain;
  plain.reserve(text.size() / 3 + 1);
  qsizetype i = 0;
  while (i < text.size()) {
    const int length = DigitOf(text[i], substitution);
    if (length < 0) break;
    ++i;
    qint64 code = 0;
    int digits = 0;
    for (; digits < length && i < text.size(); ++digits, ++i) {
      const int digit = DigitOf(text[i], substitution);
      if (digit < 0) return plain;
      code = code * 10 + digit;
    }
    if (digits == 0) continue;
    plain += code <= 255 ? AnsiCodec::DecodeByte(static_cast<unsigned char>(code)) : QChar(kNoCharacter);
  }
  return plain;
}

QByteArray EncodeListRecord(QStringView line, int positionCount) {
  QString plain = line.left(kListRecordBytes).toString();
  plain.resize(kListRecordBytes, u' ');
  // Every character costs at least three encoded ones: 100 are always there.
  const QString kept = CodificarTexto(plain, true).left(kListRecordBytes);
  const qsizetype rotation = RotationOf(positionCount);
  return AnsiCodec::Encode(Joined(QStringView(kept).mid(rotation), QStringView(kept).left(rotation)));
}

QString DecodeListRecord(QByteArrayView record, int positionCount) {
  const qsizetype size = std::min(record.size(), kListRecordBytes);
  const qsizetype tail = size - RotationOf(positionCount);
  if (tail < 0) return QString();
  // The last 49 + P characters of the record, then its first 51 - P.
  QString kept(size, Qt::Uninitialized);
  QChar* out = kept.data();
  for (qsizetype i = 0; i < size; ++i) {
    const qsizetype from = tail + i < size ? tail + i : tail + i - size;
    out[i] = AnsiCodec::DecodeByte(static_cast<unsigned char>(record[from]));
  }
  return DecodificarTexto(kept, true);
}

}  // namespace tombolix
