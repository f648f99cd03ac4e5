#pragma once

// What tombolix-report does once its command line is read: load the history
// through the program's own routines on a platform without a display, perform
// the user action that computes the report, and export the pane.

#include "report_options.h"

#include <QString>
#include <QTextStream>

namespace tombolix {

struct ReportOutcome {
  int exitCode = kExitOk;
  QString output;  // what goes to standard output
};

ReportOutcome RunReport(const ReportToolOptions& options, QTextStream& err);

}  // namespace tombolix
