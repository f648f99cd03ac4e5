#include "wheel_report.h"

#include "app/wheel_flow.h"

namespace tombolix {

ReportOutcome RunWheelReport(const ReportToolOptions& options, const WindowModel& model, Platform& host,
                             QTextStream& err) {
  WheelFlow flow(model, host);
  if (!flow.Game()) {
    err << QStringLiteral("tombolix-report: ") << flow.GameProblem() << Qt::endl;
    return {kExitFailed, QString()};
  }
  const WheelArguments& args = options.wheel;
  WheelRequest request;
  request.chosen = args.chosen;
  request.ticketSize = args.ticketSize.value_or(flow.DefaultTicketSize());
  request.hits = args.hits;
  request.drawnAmongChosen = args.drawnAmongChosen;
  request.fixed = args.fixed;
  request.seconds = args.seconds;
  request.seed = options.seed.value_or(1);
  const QString problem = flow.Problem(request);
  if (!problem.isEmpty()) {
    err << QStringLiteral("tombolix-report: ") << problem << Qt::endl;
    return {kExitUsage, QString()};
  }
  const std::optional<WheelOutcome> outcome = flow.Build(request, {});
  if (!outcome || !outcome->Verified()) {
    err << QStringLiteral("tombolix-report: ") << (outcome ? WheelSummary(*outcome) : problem) << Qt::endl;
    return {kExitFailed, QString()};
  }
  return {kExitOk, WheelSummary(*outcome) + QStringLiteral("\n\n") +
                       WheelTicketLines(*outcome).join(QLatin1Char('\n')) + QLatin1Char('\n')};
}

}  // namespace tombolix
