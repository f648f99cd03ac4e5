#include "history/line_reader.h"

#include <QIODevice>

#include <algorithm>

namespace tombolix {

LineReader::LineReader(QIODevice& source, qsizetype chunk)
    : device(&source), chunkSize(std::max<qsizetype>(chunk, 1)) {}

bool LineReader::Next(QByteArrayView& line) {
  qsizetype stop = pos;
  for (;;) {
    const char* data = bytes.data();
    while (stop < bytes.size() && data[stop] != '\r' && data[stop] != '\n') ++stop;
    // The line end is settled unless the bytes ran out first, or a CR is the
    // last byte read and the device may still hold its LF.
    const bool unsettled = stop == bytes.size() || (data[stop] == '\r' && stop + 1 == bytes.size());
    if (!unsettled || !Fill(stop)) break;
  }
  if (pos >= bytes.size()) return false;
  const char* data = bytes.data();
  line = bytes.sliced(pos, stop - pos);
  pos = stop;
  if (pos < bytes.size()) {
    // CR LF counts as one line end; a CR or an LF alone is one too.
    if (data[pos] == '\r' && pos + 1 < bytes.size() && data[pos + 1] == '\n') ++pos;
    ++pos;
  }
  return true;
}

bool LineReader::Fill(qsizetype& scanned) {
  if (device == nullptr) return false;
  buffer.remove(0, pos);
  scanned -= pos;
  pos = 0;
  const qsizetype kept = buffer.size();
  buffer.resize(kept + chunkSize);
  const qint64 got = device->read(buffer.data() + kept, chunkSize);
  buffer.resize(kept + std::max<qint64>(got, 0));
  bytes = buffer;
  if (got > 0) return true;
  device = nullptr;  // the end, or a read error: what was read is all there is
  return false;
}

}  // namespace tombolix
