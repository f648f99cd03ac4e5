#include "app/program_log.h"

#include "app/command_log.h"
#include "files/file_io.h"
#include "files/program_paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRecursiveMutex>

#include <atomic>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tombolix {

namespace {

constexpr qint64 kLogReadLimit = 4 * 1024 * 1024;
// Lines appended between two trims: the file stays within a few hundred lines.
constexpr int kLinesBetweenTrims = 100;

struct LogState {
  QRecursiveMutex mutex;
  bool writing = false;  // a message raised while writing one is not logged again
  QString path;
  int linesSinceTrim = 0;
  QtMessageHandler previous = nullptr;
  std::atomic<int> signalFd{-1};  // the log file, for the signal handler
};

LogState& State() {
  static LogState state;
  return state;
}

// The signal handler writes through a descriptor of its own; a trim replaces
// the file, so it is opened again after each.
void ReopenSignalFile(LogState& state) {
#ifdef Q_OS_UNIX
  const int fd = open(QFile::encodeName(state.path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  const int old = state.signalFd.exchange(fd);
  if (old >= 0) close(old);
#else
  Q_UNUSED(state);
#endif
}

const char* LevelName(QtMsgType type) {
  switch (type) {
    case QtWarningMsg:
      return "aviso";
    case QtCriticalMsg:
      return "error";
    case QtFatalMsg:
      return "error grave";
    default:
      return "info";
  }
}

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  LogState& state = State();
  if (type != QtDebugMsg && type != QtInfoMsg) {
    const QMutexLocker lock(&state.mutex);
    if (state.writing) return;
    state.writing = true;
    QFile file(state.path);
    if (!state.path.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Append)) {
      const QString line = QDateTime::currentDateTime().toString(Qt::ISODate) + u' ' + QLatin1String(LevelName(type)) +
                           QStringLiteral(": ") + message + u'\n';
      file.write(line.toUtf8());
      file.close();
      if (++state.linesSinceTrim >= kLinesBetweenTrims) {
        TrimLogFile(state.path, kLogLinesKept);
        ReopenSignalFile(state);
        state.linesSinceTrim = 0;
      }
    }
    state.writing = false;
  }
  if (state.previous) state.previous(type, context, message);
}

#ifdef Q_OS_UNIX
// Only async-signal-safe calls here: write, signal and raise.
void OnEndSignal(int signalNumber) {
  const char* name = signalNumber == SIGTERM ? "SIGTERM" : signalNumber == SIGINT ? "SIGINT" : "SIGHUP";
  char line[96] = "aviso: fin del programa: recibida la señal ";
  std::strncat(line, name, sizeof line - std::strlen(line) - 2);
  std::strncat(line, "\n", sizeof line - std::strlen(line) - 1);
  const size_t length = std::strlen(line);
  if (const int fd = State().signalFd.load(); fd >= 0) (void)!write(fd, line, length);
  (void)!write(STDERR_FILENO, line, length);
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
}
#endif

}  // namespace

QString ProgramLogPath(const QString& programFolder) { return program_paths::Log(programFolder); }

bool TrimLogFile(const QString& path, int keepLines) {
  if (!QFile::exists(path)) return true;
  const ReadOutcome read = ReadAtMost(path, kLogReadLimit);
  // A log grown past the limit (written by hand?) starts again.
  if (read.tooLarge) return WriteWhole(path, QByteArray(), WriteMode::Replace).isEmpty();
  if (!read.error.isEmpty()) return false;
  const QByteArray& bytes = read.bytes;
  qsizetype cut = bytes.size();
  if (cut > 0 && bytes.endsWith('\n')) --cut;
  for (int lines = 0; lines < keepLines; ++lines) {
    cut = cut > 0 ? bytes.lastIndexOf('\n', cut - 1) : -1;
    if (cut < 0) return true;  // no more lines than are kept
  }
  return WriteWhole(path, bytes.mid(cut + 1), WriteMode::Replace).isEmpty();
}

void InstallProgramLog(const QString& programFolder) {
  LogState& state = State();
  state.path = ProgramLogPath(programFolder);
  TrimLogFile(state.path, kLogLinesKept);
  ReopenSignalFile(state);
  state.previous = qInstallMessageHandler(Handler);
}

void LogProgramEnd(const QString& reason) { qCWarning(lcCommands).noquote() << "fin del programa:" << reason; }

void LogEndSignals() {
#ifdef Q_OS_UNIX
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) std::signal(signalNumber, OnEndSignal);
#endif
}

}  // namespace tombolix
