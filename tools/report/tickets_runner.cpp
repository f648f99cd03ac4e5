#include "tickets_runner.h"

#include "reports/report_export.h"
#include "tickets/tickets_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tombolix {

namespace {

// The JSON export names the report instead of a pane and lists the lines that are not tickets.
QString TicketsJson(const TicketsOutcome& outcome) {
  QJsonObject json = QJsonDocument::fromJson(ExportJson(outcome.report, 0).toUtf8()).object();
  json.remove(QStringLiteral("pane"));
  json.insert(QStringLiteral("report"), QLatin1String(kTicketsReportName));
  json.insert(QStringLiteral("checked"), outcome.checked);
  QJsonArray bad;
  for (const TicketLineError& e : outcome.errors) {
    bad.append(QJsonObject{
        {QStringLiteral("line"), e.line}, {QStringLiteral("text"), e.text}, {QStringLiteral("reason"), e.reason}});
  }
  json.insert(QStringLiteral("badLines"), bad);
  return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

}  // namespace

ReportOutcome RunTicketsReport(const ReportToolOptions& options, const History& history, const QString& lottery,
                               QTextStream& err) {
  const HistoryView view(history);
  TicketsOptions ticketOptions = DefaultTicketsOptions(view);
  if (options.inPosition) ticketOptions.rule = *options.inPosition ? MatchRule::InPosition : MatchRule::AnyOrder;
  if (options.prizeThreshold > 0) ticketOptions.threshold = options.prizeThreshold;
  const TicketsFileText file = ReadTicketsFile(options.ticketsFile, view.PositionCount, ticketOptions.shape);
  if (!file.error.isEmpty()) {
    err << QStringLiteral("tombolix-report: ") << file.error << Qt::endl;
    return {file.unreadable ? kExitNoInput : kExitListRejected, QString()};
  }
  const TicketsOutcome outcome = CheckTicketsText(view, lottery, ticketOptions, file.text);
  for (const TicketLineError& e : outcome.errors) {
    err << QStringLiteral("tombolix-report: %1, línea %2 («%3»): %4")
               .arg(options.ticketsFile)
               .arg(e.line)
               .arg(e.text, e.reason)
        << Qt::endl;
  }
  if (outcome.checked == 0) {
    err << QStringLiteral("tombolix-report: «%1» no tiene ninguna jugada de este juego").arg(options.ticketsFile)
        << Qt::endl;
    return {kExitListRejected, QString()};
  }
  const QString title = QStringLiteral("Comprobar jugadas - ") + lottery;
  return {kExitOk, options.format == ExportFormat::Json ? TicketsJson(outcome)
                                                        : ExportReport(outcome.report, 0, options.format, title)};
}

}  // namespace tombolix
