#pragma once

#include <QStringList>

namespace tombolix::test {

// Collects what the program writes to its "tombolix.commands" logging
// category (commands run, panes shown, keys handled) while it lives; the
// category is switched on for that time and everything else still goes to the
// previous message handler.
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  QStringList lines;
  // The lines from `from` on that contain `text`.
  QStringList Matching(const QString& text, qsizetype from = 0) const;
};

}  // namespace tombolix::test
