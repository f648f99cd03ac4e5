#include "history/loader.h"

#include "codec/ansi_codec.h"
#include "history/acceptance.h"
#include "history/date_check.h"
#include "history/line_fields.h"
#include "history/line_reader.h"

#include <QFile>

#include <algorithm>

namespace tombolix {

namespace {

// Decodes the date field into `date` when it is short enough to be a date at
// all (no accepted form is longer than 10 characters) and checks it.
bool IsDate(QByteArrayView field, QString& date) {
  if (field.size() > 10) return false;
  date = AnsiCodec::Decode(field);
  return IsAcceptedDate(date);
}

// The date field as stored: its first 10 characters, padded with spaces to 10.
QString StoredDate(QString date) {
  date.truncate(10);
  date.resize(10, QLatin1Char(' '));
  return date;
}

// Fields f(0)..f(7) joined with ",", cut before the first ",100" (the first filler).
QString RejectedLineText(const LineFields& fields) {
  QByteArray joined(fields.Field(0).data(), fields.Field(0).size());
  for (int p = 1; p <= kMaxPositions; ++p) {
    joined.append(',');
    joined.append(fields.Field(p));
  }
  const qsizetype filler = joined.indexOf(",100");
  if (filler >= 0) joined.truncate(filler);
  return AnsiCodec::Decode(joined);
}

void ReserveDraws(History& history, qsizetype expectedLines) {
  const qsizetype expected = std::clamp<qsizetype>(expectedLines, 1, qsizetype{1} << 17);
  history.DrawDate.reserve(expected);
  for (auto& column : history.Pos) column.reserve(expected);
}

// Reads draws line by line until the end, the first empty line or the first
// rejected line; nothing after that line is asked of the reader.
LoadedHistory ParseLines(LineReader& reader, qsizetype expectedLines) {
  LoadedHistory result;
  History& history = result.history;
  AcceptanceTotals totals;
  ReserveDraws(history, expectedLines);
  QByteArray line;
  QByteArrayView raw;
  int positionCount = 0;
  bool rejected = false;
  while (reader.Next(raw)) {
    NormaliseLine(raw, line);
    if (line.isEmpty()) break;
    const LineFields fields(line);
    // Counted in a plain int first: a line with hundreds of fields must not wrap.
    if (history.DrawCount == 0)
      positionCount = static_cast<int>(std::min<qsizetype>(fields.FieldCount() - 1, kMaxPositions));
    std::array<quint8, kMaxPositions> numbers{};
    QString date;
    if (positionCount < 2 || !IsDate(fields.Field(0), date) || !fields.NumbersValid(positionCount, numbers)) {
      if (positionCount >= 2) result.rejectedLine = RejectedLineText(fields);
      rejected = true;
      break;
    }
    history.DrawDate.append(StoredDate(std::move(date)));
    for (int p = 0; p < kMaxPositions; ++p) history.Pos[static_cast<size_t>(p)].append(numbers[static_cast<size_t>(p)]);
    ++history.DrawCount;
    if (history.DrawCount <= 100) totals.Add(numbers, positionCount);
  }
  history.PositionCount = static_cast<quint8>(std::max(positionCount, 0));
  result.acceptance = ToAcceptanceValues(totals);
  result.accepted = !rejected && history.DrawCount >= 1;
  return result;
}

// The shortest line a draw can take ("1/1/24,1,2" and a line end), for guessing
// a file's draw count from its size.
constexpr qsizetype kShortestDrawLine = 12;

}  // namespace

LoadedHistory ParseHistory(QByteArrayView bytes) {
  LineReader reader(bytes);
  return ParseLines(reader, std::max(bytes.count('\n'), bytes.count('\r')) + 1);
}

LoadedHistory ReadHistory(QIODevice& device, qsizetype chunkSize) {
  LineReader reader(device, chunkSize);
  const qint64 size = device.isSequential() ? 0 : device.size() - device.pos();
  return ParseLines(reader, static_cast<qsizetype>(size / kShortestDrawLine + 1));
}

LoadedHistory ReadHistoryFile(const QString& path) {
  QFile file(path);
  // Unbuffered: the reader reads its own chunks.
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return ParseHistory({});
  return ReadHistory(file);
}

}  // namespace tombolix
