#pragma once

#include <QString>
#include <QStringView>

namespace tombolix {

// Text forms, on a combination or draw string ("05:12:05", the field of
// position p at characters 3p-2 and 3p-1, 1-based):

// The repetition pattern: a number that occurs once becomes "XX"; a number that
// occurs more than once becomes, everywhere, the label of the position of its
// first occurrence ("AA" for 1 .. "GG" for 7). 04:07:04:09 gives AA:XX:AA:XX.
QString PatronRepeticion(QStringView combination, int positionCount);

// The trend signature: per position "++" when its number is greater than the
// previous one (position 1 is compared with 0), otherwise "--", joined by ":".
// 05:12:03 gives ++:++:--.
QString PatronTendencia(QStringView combination, int positionCount);

// Integer forms of the same patterns, computed from the numbers themselves:
// two combinations of the same position count have equal codes exactly when
// their text patterns are equal.

// Below kRepetitionCodeCount: position p (0-based) contributes 0 for a number
// that occurs once, else 1 + the position of its first occurrence, in mixed radix.
inline constexpr int kRepetitionCodeCount = 40320;  // 8!
int RepetitionCode(const quint8* values, int positionCount);

// Below kTrendCodeCount: bit p set when position p rises above the one before.
inline constexpr int kTrendCodeCount = 128;
int TrendCode(const quint8* values, int positionCount);

}  // namespace tombolix
