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
std::optional<ImportEncoding> Utf16ByNuls(QByteArrayView bytes) {
  const qsizetype sample = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype{1};
  if (sample < 4) return std::nullopt;
  qsizetype evenNuls = 0;
  qsizetype oddNuls = 0;
  for (qsizetype i = 0; i < sample; ++i) {
    if (bytes[i] != '\0') continue;
    (i % 2 == 0 ? evenNuls : oddNuls) += 1;
  }
  const qsizetype half = sample / 2;
  if (oddNuls * 10 >= half * 8 && evenNuls * 10 <= half) return ImportEncoding::Utf16LE;
  if (evenNuls * 10 >= half * 8 && oddNuls * 10 <= half) return ImportEncoding::Utf16BE;
  return std::nullopt;
}

bool IsValidUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  // Decoding in slices keeps the temporary small on large files.
  constexpr qsizetype kSlice = 1 << 20;
  for (qsizetype at = 0; at < bytes.size(); at += kSlice) {
    (void)QString(decoder.decode(bytes.sliced(at, std::min(kSlice, bytes.size() - at))));
    if (decoder.hasError()) return false;
  }
  return true;
}

DecodedText FromUtf16(QByteArrayView bytes, ImportEncoding used) {
  DecodedText result;
  result.used = used;
  if (bytes.size() % 2 != 0) {
    result.error = QStringLiteral("El archivo parece UTF-16 pero está cortado (número impar de bytes).");
    return result;
  }
  QStringDecoder decoder(used == ImportEncoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(bytes);
  if (decoder.hasError()) {
    result.error = QStringLiteral("El archivo no es texto %1 válido: elija otra codificación.").arg(EncodingName(used));
    return result;
  }
  result.utf8 = text.toUtf8();
  return result;
}

}  // namespace

QString EncodingName(ImportEncoding encoding) {
  switch (encoding) {
    case ImportEncoding::Windows1252:
      return QStringLiteral("Windows-1252");
    case ImportEncoding::Utf16LE:
      return QStringLiteral("UTF-16 LE");
    case ImportEncoding::Utf16BE:
      return QStringLiteral("UTF-16 BE");
    case ImportEncoding::Auto:
    case ImportEncoding::Utf8:
      break;
  }
  return QStringLiteral("UTF-8");
}

DecodedText DecodeImportBytes(QByteArray bytes, ImportEncoding encoding) {
  ImportEncoding use = encoding;
  qsizetype bom = 0;
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    bom = encoding == ImportEncoding::Auto || encoding == ImportEncoding::Utf8 ? 3 : 0;
    if (encoding == ImportEncoding::Auto) use = ImportEncoding::Utf8;
  } else if (bytes.startsWith("\xFF\xFE") && (encoding == ImportEncoding::Auto || encoding == ImportEncoding::Utf16LE)) {
    bom = 2;
    use = ImportEncoding::Utf16LE;
  } else if (bytes.startsWith("\xFE\xFF") && (encoding == ImportEncoding::Auto || encoding == ImportEncoding::Utf16BE)) {
    bom = 2;
    use = ImportEncoding::Utf16BE;
  } else if (encoding == ImportEncoding::Auto) {
    use = Utf16ByNuls(bytes).value_or(IsValidUtf8(bytes) ? ImportEncoding::Utf8 : ImportEncoding::Windows1252);
  }
  const QByteArrayView body = QByteArrayView(bytes).sliced(bom);
  if (use == ImportEncoding::Utf16LE || use == ImportEncoding::Utf16BE) return FromUtf16(body, use);
  DecodedText result;
  result.used = use;
  if (use == ImportEncoding::Windows1252) {
    result.utf8 = AnsiCodec::Decode(body).toUtf8();
    return result;
  }
  if (encoding != ImportEncoding::Auto && !IsValidUtf8(body)) {
    result.error = QStringLiteral("El archivo no es texto UTF-8 válido: elija otra codificación.");
    return result;
  }
  if (bom > 0) bytes.remove(0, bom);
  result.utf8 = std::move(bytes);
  return result;
}

}  // namespace tombolix
