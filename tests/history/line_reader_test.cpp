#include "history/line_reader.h"
#include "history/loader.h"

#include <QBuffer>
#include <QIODevice>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

namespace tombolix {
namespace {

std::vector<QByteArray> Lines(LineReader& reader) {
  std::vector<QByteArray> lines;
  QByteArrayView line;
  while (reader.Next(line)) lines.emplace_back(line.data(), line.size());
  return lines;
}

// Texts whose line ends fall on every chunk boundary as the chunk size varies:
// CR LF, lone CRs and LFs, a CR before a CR LF, LF CR (two ends), a byte-order
// mark, Windows-1252 bytes and no end after the last line.
const QByteArray kTexts[] = {
    "a\r\nbb\rccc\nd\r\r\ne\n\rf",
    "\xEF\xBB\xBF"
    "01/01/2024,1,2\r\n02/01/2024,3,4\r\r\n03/01/2024,5,6",
    "01/01/2024,1,2\r\n02/01/2024,\xE9\x80,1,2\r\nnever read\r\n",
    "01/01/2024,1,2\n\r01/01/2024,3,4\n",
    "\r\r\r",
    "",
};

void ExpectSameHistory(const LoadedHistory& a, const LoadedHistory& b) {
  EXPECT_EQ(a.accepted, b.accepted);
  EXPECT_EQ(a.rejectedLine, b.rejectedLine);
  EXPECT_EQ(a.history.DrawCount, b.history.DrawCount);
  EXPECT_EQ(a.history.PositionCount, b.history.PositionCount);
  EXPECT_EQ(a.history.DrawDate, b.history.DrawDate);
  EXPECT_EQ(a.history.Pos, b.history.Pos);
  EXPECT_EQ(std::tuple(a.acceptance.ParesAlto, a.acceptance.CompuestosAlto, a.acceptance.ConsecutivosAlto),
            std::tuple(b.acceptance.ParesAlto, b.acceptance.CompuestosAlto, b.acceptance.ConsecutivosAlto));
}

// Lines and histories read from a device in chunks of every size are those of the bytes in memory.
TEST(LineReader, ChunkedDeviceSplitsLinesAndReadsHistoriesAsTheBytesInMemoryDo) {
  for (const QByteArray& text : kTexts) {
    LineReader inMemory(text);
    const std::vector<QByteArray> expected = Lines(inMemory);
    for (qsizetype chunk = 1; chunk <= text.size() + 1; ++chunk) {
      SCOPED_TRACE(testing::Message() << text.toPercentEncoding().constData() << " in chunks of " << chunk);
      QBuffer device;
      device.setData(text);
      device.open(QIODevice::ReadOnly);
      LineReader chunked(device, chunk);
      EXPECT_EQ(Lines(chunked), expected);
      device.seek(0);
      ExpectSameHistory(ReadHistory(device, chunk), ParseHistory(text));
    }
  }
}

// A device of `head` followed by `tailSize` bytes of `filler` made up as they
// are read (never held in memory), counting what is read. With `failTail` the
// tail cannot be read at all: every read that reaches it fails.
class TailedDevice : public QIODevice {
 public:
  TailedDevice(QByteArray headBytes, qint64 tailBytes, char fill, bool failTail = false)
      : head(std::move(headBytes)), tailSize(tailBytes), filler(fill), fails(failTail) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);  // counts the reader's reads, not read-ahead
  }
  bool isSequential() const override { return false; }
  qint64 size() const override { return head.size() + tailSize; }
  qint64 bytesServed = 0;

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 at = pos();
    if (at >= size()) return 0;
    if (fails && at >= head.size()) return -1;
    const qint64 n = std::min(maxSize, (fails ? head.size() : size()) - at);
    for (qint64 i = 0; i < n; ++i) data[i] = at + i < head.size() ? head[at + i] : filler;
    bytesServed += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray head;
  qint64 tailSize;
  char filler;
  bool fails;
};

TEST(ReadHistory, StopsReadingAtTheLineThatEndsTheHistory) {
  struct Case {
    QByteArray head;  // up to and including the line that ends the history
    char filler;      // what the rest of the device holds
  };
  const QByteArray draws = "01/01/2024,1,2,3\r\n02/01/2024,4,5,6\r\n";
  const Case cases[] = {
      {draws + "\r\n", 'x'},                // the first empty line, then one endless line
      {draws + " \t\r", '\n'},              // an empty line of blanks ended by a CR, then empty lines
      {draws + "03/01/2024,7,8\r\n", '9'},  // a rejected line (too few numbers)
      {draws + "not a draw\n", '\r'},       // a rejected line, then line ends
  };
  constexpr qint64 kTail = qint64{64} << 20;
  constexpr qsizetype kChunk = 4096;
  for (const Case& c : cases) {
    for (const bool failTail : {false, true}) {
      TailedDevice device(c.head, kTail, c.filler, failTail);
      const LoadedHistory r = ReadHistory(device, kChunk);
      ExpectSameHistory(r, ParseHistory(c.head));
      EXPECT_EQ(r.history.DrawCount, 2);
      // The CR LF question may cost one chunk past the deciding line.
      EXPECT_LE(device.bytesServed, c.head.size() + 2 * kChunk) << c.head.constData();
    }
  }
}

}  // namespace
}  // namespace tombolix
