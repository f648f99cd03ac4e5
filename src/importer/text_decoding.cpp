#include "importer/text_decoding.h"

#include "codec/ansi_codec.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace tombolix {

namespace {

// The byte order a UTF-16 file shows by its NUL bytes: in ASCII text every
// character has one NUL byte, in the odd places (little-endian) or the even
// places (big-endian). Only a clear pattern counts.
std::optional<QStringDecoder::Encoding> Utf16ByNuls(QByteArrayView bytes) {
  const qsizetype sample = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype{1};
  if (sample < 4) return std::nullopt;
  qsizetype evenNuls = 0;
  qsizetype oddNuls = 0;
  for (qsizetype i = 0; i < sample; ++i) {
    if (bytes[i] != '\0') continue;
    (i % 2 == 0 ? evenNuls : oddNuls) += 1;
  }
  const qsizetype half = sample / 2;
  if (oddNuls * 10 >= half * 8 && evenNuls * 10 <= half) return QStringDecoder::Utf16LE;
  if (evenNuls * 10 >= half * 8 && oddNuls * 10 <= half) return QStringDecoder::Utf16BE;
  return std::nullopt;
}

DecodedText DecodeStrict(QByteArrayView bytes, QStringDecoder::Encoding encoding, const QString& name) {
  QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
  DecodedText result;
  result.text = decoder.decode(bytes);
  if (decoder.hasError()) {
    result.text.clear();
    result.error = QStringLiteral("El archivo no es texto %1 válido: elija otra codificación.").arg(name);
  }
  return result;
}

}  // namespace

DecodedText DecodeImportBytes(QByteArrayView bytes, ImportEncoding encoding) {
  std::optional<QStringDecoder::Encoding> utf16;
  if (bytes.startsWith("\xFF\xFE")) {
    utf16 = QStringDecoder::Utf16LE;
    bytes = bytes.sliced(2);
  } else if (bytes.startsWith("\xFE\xFF")) {
    utf16 = QStringDecoder::Utf16BE;
    bytes = bytes.sliced(2);
  } else {
    utf16 = Utf16ByNuls(bytes);
  }
  if (utf16) {
    if (bytes.size() % 2 != 0) {
      return {QString(), QStringLiteral("El archivo parece UTF-16 pero está cortado (número impar de bytes)."), true};
    }
    DecodedText result = DecodeStrict(bytes, *utf16, QStringLiteral("UTF-16"));
    result.utf16 = true;
    return result;
  }
  if (encoding == ImportEncoding::Windows1252) return {AnsiCodec::Decode(bytes), QString(), false};
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  return DecodeStrict(bytes, QStringDecoder::Utf8, QStringLiteral("UTF-8"));
}

}  // namespace tombolix
