#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace tombolix::test {

// Runs the event loop until `done` holds or `timeoutMs` passes; true when it held.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(2);
  }
  return true;
}

// Lets the event loop run for `ms` milliseconds.
inline void Idle(int ms) {
  WaitFor([] { return false; }, ms);
}

}  // namespace tombolix::test
