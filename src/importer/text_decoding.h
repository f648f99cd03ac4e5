#pragma once

#include "importer/import_types.h"

#include <QByteArray>
#include <QString>

namespace tombolix {

struct DecodedText {
  QByteArray utf8;  // the text as UTF-8, without a byte-order mark
  QString error;    // empty when the bytes decoded cleanly
  ImportEncoding used = ImportEncoding::Utf8;
};

// Decodes a results file. With Auto: a byte-order mark (UTF-8, UTF-16 LE/BE)
// decides, then UTF-16 by the NUL bytes of its ASCII characters, then valid
// UTF-8, else Windows-1252 (which reads any byte). A chosen encoding is used as
// chosen; bytes not valid in it give an error, never replacement characters.
// Valid UTF-8 is passed on without a copy.
DecodedText DecodeImportBytes(QByteArray bytes, ImportEncoding encoding);

// "UTF-8", "Windows-1252", "UTF-16 LE", "UTF-16 BE".
QString EncodingName(ImportEncoding encoding);

}  // namespace tombolix
