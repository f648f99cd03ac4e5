#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tombolix {

// Windows-1252, the 8-bit code page history files are written in. Used on every
// platform so that a file made on Windows reads the same on Linux.
namespace AnsiCodec {
QString Decode(QByteArrayView bytes);
QChar DecodeByte(unsigned char b);
// Characters without a Windows-1252 byte become '?'.
QByteArray Encode(QStringView text);
}  // namespace AnsiCodec

// How text meant for the user's own text editor is stored: the system's 8-bit
// code page (Windows-1252) or UTF-8. The platform says which.
enum class TextEncoding { Utf8, Ansi };
inline QByteArray EncodeText(QStringView text, TextEncoding encoding) {
  return encoding == TextEncoding::Ansi ? AnsiCodec::Encode(text) : text.toUtf8();
}

}  // namespace tombolix
