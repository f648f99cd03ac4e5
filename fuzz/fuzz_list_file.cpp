// Feeds arbitrary bytes to the combination list reader, as they stand and
// repeated record by record to a whole list, and checks what it returns.
#include "codec/ansi_codec.h"
#include "combinations/list_codec.h"
#include "combinations/list_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace tombolix;

constexpr qsizetype kListBytes = kListSize * kListRecordBytes;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool AllDigitCodes(QByteArrayView bytes) {
  for (const char byte : bytes) {
    const int code = static_cast<unsigned char>(byte);
    if (code < kFirstDigitCode || code > kLastDigitCode) return false;
  }
  return true;
}

void CheckLoad(const ListFileLoad& load, QByteArrayView bytes, int positions) {
  static const CombinationList empty = CombinationList::Empty();
  if (!load.IsLoaded()) {
    Check(load.status == ListFileStatus::Rejected && !load.reason.isEmpty());
    Check(load.list.LineasComb == empty.LineasComb && load.list.CombPos == empty.CombPos);
    return;
  }
  Check(load.reason.isEmpty() && bytes.size() >= kListBytes && AllDigitCodes(bytes.first(kListBytes)));
  Check(load.list.LineasComb.size() == kListSize);
  std::array<quint8, kMaxPositions> numbers{};
  for (qint32 i = 0; i < kListSize; ++i) {
    for (int k = 0; k < kMaxPositions; ++k) {
      const quint8 n = load.list.CombPos[static_cast<size_t>(k + 1)][static_cast<size_t>(i)];
      Check(k < positions ? n <= 99 : n == 0);
      numbers[static_cast<size_t>(k)] = n;
    }
    const QString& line = load.list.LineasComb[i];
    Check(line == CombinationLine(i + 1, std::span<const quint8>(numbers.data(), static_cast<size_t>(positions))));
    // The record's own text carries the same numbers as the rebuilt line.
    const QString plain = DecodeListRecord(bytes.sliced(i * kListRecordBytes, kListRecordBytes), positions);
    Check(plain.mid(13, 3 * positions - 1) == line.mid(13, 3 * positions - 1));
    // The line written back decodes to itself (a few lines are enough: the
    // round trip depends on the numbers only).
    if (i >= 8) continue;
    QString expected = line.left(33);
    expected.resize(33, u' ');
    Check(DecodeListRecord(EncodeListRecord(line, positions), positions) == expected);
  }
}

void CheckAllCounts(QByteArrayView bytes) {
  for (int positions = 4; positions <= 7; ++positions) CheckLoad(ParseListFile(bytes, positions), bytes, positions);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  CheckAllCounts(bytes);
  // A few records repeated to 1000, the partial record kept at the end, reach
  // the decoding of every record from a small input.
  const qsizetype records = bytes.size() / kListRecordBytes;
  if (records >= 1 && records < kListSize) {
    QByteArray tiled;
    tiled.reserve(kListBytes + kListRecordBytes);
    for (qint32 r = 0; r < kListSize; ++r) tiled += bytes.sliced((r % records) * kListRecordBytes, kListRecordBytes);
    tiled += bytes.sliced(records * kListRecordBytes);
    CheckAllCounts(tiled);
  }
  // The text codec on the same bytes: decoding never invents characters, and
  // every code page text survives a round trip.
  const QString text = AnsiCodec::Decode(bytes.first(std::min<qsizetype>(bytes.size(), 4096)));
  for (const bool substitution : {false, true}) {
    Check(DecodificarTexto(text, substitution).size() <= text.size());
    Check(DecodificarTexto(CodificarTexto(text, substitution), substitution) == text);
  }
  return 0;
}
