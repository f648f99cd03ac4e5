#pragma once

#include "report_runner.h"

#include <QTextStream>

namespace tombolix {

class Platform;
struct WindowModel;

// The report "reduccion": a wheel for the loaded lottery, its heading (the
// guarantee checked, the subsets checked, the sizes compared), then one
// ticket per line.
ReportOutcome RunWheelReport(const ReportToolOptions& options, const WindowModel& model, Platform& host,
                             QTextStream& err);

}  // namespace tombolix
