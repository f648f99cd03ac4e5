#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tombolix {

// Bytes of one record of a combination list file.
inline constexpr qsizetype kListRecordBytes = 100;
// Encoded digits are stored as the characters 171..180 (digit d as 171 + d).
inline constexpr int kFirstDigitCode = 171;
inline constexpr int kLastDigitCode = kFirstDigitCode + 9;

// Each character of `text` (by its code in the ANSI code page) becomes the
// number of digits of its code followed by the code in decimal: "A" -> "265".
// With `substitution` every digit d is written as the character 171 + d.
QString CodificarTexto(QStringView text, bool substitution);

// Reverses CodificarTexto: repeatedly a length digit n and the next n digits
// (fewer at the end) give one character code; an empty group adds nothing.
// A code above 255 has no character in the code page and decodes to U+FFFD.
// Decoding stops at the first character that is not a digit of the encoding,
// so damaged input gives a short text instead of an invented one.
QString DecodificarTexto(QStringView text, bool substitution);

// One record: the line padded with spaces (or cut) to 100 characters, encoded
// with substitution, cut to 100 characters and rotated left by 49 + P, which
// binds the record to the position count P (1..7) that wrote it.
QByteArray EncodeListRecord(QStringView line, int positionCount);

// The plain text of a record written for `positionCount` positions (33
// characters for a record of ours). `record` must hold 100 bytes.
QString DecodeListRecord(QByteArrayView record, int positionCount);

}  // namespace tombolix
