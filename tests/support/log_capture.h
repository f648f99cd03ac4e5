#pragma once

#include <QStringList>

namespace tombolix::test {

// Collects the "tombolix.commands" log lines (commands, panes shown, keys)
// while it lives; everything else still goes to the previous handler.
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  QStringList lines;
  QStringList Matching(const QString& text) const;  // the lines containing `text`
};

}  // namespace tombolix::test
