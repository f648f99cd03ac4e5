#pragma once

// The report "jugadas" of tombolix-report: the tickets of --tickets checked
// against the loaded history.

#include "history/history.h"
#include "report_runner.h"

#include <QString>
#include <QTextStream>

namespace tombolix {

// Exit 0 when some tickets were checked (lines that are not tickets are named
// on standard error), 4 when the file holds no ticket of the game, 66 when it
// cannot be read.
ReportOutcome RunTicketsReport(const ReportToolOptions& options, const History& history, const QString& lottery,
                               QTextStream& err);

}  // namespace tombolix
