#include "ui/startup_timing.h"

#include "files/file_io.h"

#include <QElapsedTimer>
#include <QList>

#ifdef Q_OS_LINUX
#include <time.h>
#include <unistd.h>
#endif

namespace tombolix {

namespace {

// Milliseconds between the process start and the first call, where known.
qint64 AgeAtFirstCall() {
#ifdef Q_OS_LINUX
  const ReadOutcome stat = ReadAtMost(QStringLiteral("/proc/self/stat"), qint64{64} << 10);
  if (!stat.error.isEmpty()) return 0;
  const QByteArray& line = stat.bytes;
  // The command name may contain spaces; the fields after it are counted from its closing parenthesis.
  const qsizetype close = line.lastIndexOf(')');
  if (close < 0) return 0;
  const QList<QByteArray> fields = line.mid(close + 2).split(' ');
  constexpr int kStartTimeField = 19;  // field 22 of the file, counted after the name and state
  if (fields.size() <= kStartTimeField) return 0;
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  const double startSeconds = fields.at(kStartTimeField).toDouble() / ticksPerSecond;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowSeconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
  return static_cast<qint64>((nowSeconds - startSeconds) * 1000.0);
#else
  return 0;
#endif
}

}  // namespace

qint64 ProcessAgeMs() {
  static const qint64 ageAtFirstCall = AgeAtFirstCall();
  static QElapsedTimer sinceFirstCall = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
  }();
  return ageAtFirstCall + sinceFirstCall.elapsed();
}

}  // namespace tombolix
