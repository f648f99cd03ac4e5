#pragma once

#include <QLoggingCategory>

namespace tombolix {

// What the window does: every command run, pane shown and key handled, and
// every file, folder or page the desktop failed to open. The program keeps no
// log file; these lines go to the Qt message handler (standard error), and the
// informational ones only when asked for, e.g.
//   QT_LOGGING_RULES="tombolix.commands=true"
// Failures are warnings and show by default.
Q_DECLARE_LOGGING_CATEGORY(lcCommands)

}  // namespace tombolix
