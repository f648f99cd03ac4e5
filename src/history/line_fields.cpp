#include "history/line_fields.h"

#include <algorithm>
#include <cstring>

namespace tombolix {

namespace {

constexpr QByteArrayView kFiller("100");

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Removes every non-overlapping occurrence of `pattern` in one left-to-right pass
// (text brought together by a removal is not searched again).
void RemoveAll(QByteArray& line, QByteArrayView pattern) {
  if (line.indexOf(pattern) < 0) return;
  char* data = line.data();
  const qsizetype size = line.size();
  qsizetype out = 0;
  for (qsizetype in = 0; in < size;) {
    if (in + pattern.size() <= size &&
        std::memcmp(data + in, pattern.data(), static_cast<size_t>(pattern.size())) == 0) {
      in += pattern.size();
    } else {
      data[out++] = data[in++];
    }
  }
  line.truncate(out);
}

// Rounds a value 0.0 .. 0.9 given by its tenths, halves to even: only 0.6 .. 0.9 give 1.
quint8 RoundTenths(int tenths) { return tenths > 5 ? 1 : 0; }

}  // namespace

void NormaliseLine(QByteArrayView raw, QByteArray& line) {
  line.resize(raw.size());
  char* out = line.data();
  char* const begin = out;
  bool mayHoldMarks = false;
  for (const char c : raw) {
    if (c == ' ' || c == '\t') continue;
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0xEF || byte == 0xFE || byte == 0xFF) mayHoldMarks = true;
    *out++ = c;
  }
  line.truncate(out - begin);
  if (!mayHoldMarks) return;
  RemoveAll(line, "\xFF\xFE");
  RemoveAll(line, "\xFE\xFF");
  RemoveAll(line, "\xEF\xBB\xBF");
}

LineFields::LineFields(QByteArrayView text) : line(text) {
  qsizetype fieldStart = 0;
  const char* data = text.data();
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && data[i] != ',') continue;
    if (count <= kMaxPositions) {
      start[static_cast<size_t>(count)] = fieldStart;
      end[static_cast<size_t>(count)] = i;
    }
    ++count;
    fieldStart = i + 1;
  }
}

QByteArrayView LineFields::Field(int p) const {
  if (p >= count) return kFiller;
  const auto index = static_cast<size_t>(p);
  const qsizetype length = end[index] - start[index];
  return line.sliced(start[index], p == 0 ? length : std::min<qsizetype>(length, 2));
}

bool LineFields::NumbersValid(int positionCount, std::array<quint8, kMaxPositions>& numbers) const {
  if (positionCount >= 1 && positionCount <= kMaxPositions && Field(positionCount) == kFiller) return false;
  for (int p = 1; p <= kMaxPositions; ++p) {
    if (!NumericFieldValue(Field(p), numbers[static_cast<size_t>(p - 1)])) return false;
  }
  return true;
}

bool NumericFieldValue(QByteArrayView field, quint8& value) {
  if (field == kFiller) {
    value = kFillerValue;
    return true;
  }
  if (field.size() == 1) {
    if (!IsDigit(field[0])) return false;
    value = static_cast<quint8>(field[0] - '0');
    return true;
  }
  if (field.size() != 2) return false;
  const char a = field[0];
  const char b = field[1];
  if (IsDigit(a) && IsDigit(b)) {
    value = static_cast<quint8>((a - '0') * 10 + (b - '0'));
  } else if (a == '+' && IsDigit(b)) {
    value = static_cast<quint8>(b - '0');
  } else if (a == '-' && IsDigit(b)) {
    value = 0;  // negative (or -0): no unsigned 8-bit value, so 0 is kept
  } else if (IsDigit(a) && b == '.') {
    value = static_cast<quint8>(a - '0');
  } else if (a == '.' && IsDigit(b)) {
    value = RoundTenths(b - '0');
  } else {
    return false;
  }
  return true;
}

}  // namespace tombolix
