#pragma once

#include "importer/import_types.h"

#include <QByteArrayView>
#include <QString>

namespace tombolix {

struct DecodedText {
  QString text;
  QString error;  // empty when the bytes decoded cleanly
  bool utf16 = false;
};

// Decodes the bytes of a results file in the encoding picked. A UTF-16 file
// (byte-order mark, or NUL bytes in every other place) is decoded as UTF-16
// whatever the pick; bytes that are not valid in the encoding give an error,
// never a text with replacement characters. A UTF-8 byte-order mark is dropped.
DecodedText DecodeImportBytes(QByteArrayView bytes, ImportEncoding encoding);

}  // namespace tombolix
