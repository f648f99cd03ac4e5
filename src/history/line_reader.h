#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

namespace tombolix {

// Splits history-file bytes into lines ending in CR LF, CR or LF. Reads either
// bytes already in memory or a device, chunk by chunk and no further than the
// line asked for needs (a CR last in a chunk waits for the next chunk to tell
// whether an LF belongs to it), so a reader that stops early leaves the rest of
// the file unread.
class LineReader {
 public:
  static constexpr qsizetype kDefaultChunkSize = 64 * 1024;

  explicit LineReader(QByteArrayView text) : bytes(text) {}
  // Reads `device` (opened for reading) from its current position.
  explicit LineReader(QIODevice& device, qsizetype chunkSize = kDefaultChunkSize);

  // The next line without its terminator; false at the end of the bytes. The
  // line stays valid until the next call.
  bool Next(QByteArrayView& line);

 private:
  // Drops the lines already handed out and appends one chunk of the device;
  // false at the end of the device. `scanned` is rebased with the buffer.
  bool Fill(qsizetype& scanned);

  QIODevice* device = nullptr;
  qsizetype chunkSize = kDefaultChunkSize;
  QByteArray buffer;  // bytes read from the device and not yet dropped
  QByteArrayView bytes;
  qsizetype pos = 0;
};

}  // namespace tombolix
