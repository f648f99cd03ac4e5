#include "report_runner.h"

#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "report_platform.h"
#include "reports/report_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tombolix {

namespace {

ReportOutcome Unavailable(int pane, QTextStream& err) {
  err << QStringLiteral("tombolix-report: the report \"%1\" (pane %2) is not available yet")
             .arg(QLatin1String(PaneInfo(pane).toolName))
             .arg(pane)
      << Qt::endl;
  return {kExitUnavailable, QString()};
}

// The back-test maps read and save the lottery's list file. They stay off until
// the list of --combinations and the seed of --seed can be handed to the
// program in its place, so that the tool never writes a file.
bool NeedsListHandOver(int pane) { return pane == Pane::GeneradorM1 || pane == Pane::GeneradorM2; }

// Clicks what computes the pane, as a user would: its list row or its command,
// then the M2 map button for the second map of a pair. False when the program
// refused with a message (already on standard error) or ended.
bool Perform(TombolixApp& app, const ReportPlatform& host, int pane, bool withSelection) {
  const PaneRow& row = PaneInfo(pane);
  const int messagesBefore = host.MessageCount();
  if (row.listRow >= 0) {
    app.Model().LstFormula.selectedRow = row.listRow;
    app.LstFormula_Click(row.listRow);
  } else if (row.command >= 0 && (pane != Pane::Start || withSelection)) {
    app.RunCommand(row.command);
  }
  if (row.isM2 && host.MessageCount() == messagesBefore) app.LblMapas_Click(1);
  return host.MessageCount() == messagesBefore && host.QuitCount() == 0;
}

}  // namespace

ReportOutcome RunReport(const ReportToolOptions& options, QTextStream& err) {
  const QFileInfo file(options.historyFile);
  QFile probe(options.historyFile);
  if (!file.isFile() || !probe.open(QIODevice::ReadOnly)) {
    err << QStringLiteral("tombolix-report: cannot read the history file \"%1\"").arg(options.historyFile) << Qt::endl;
    return {kExitNoInput, QString()};
  }
  probe.close();
  ReportPlatform host(err);
  // The program folder is only read; LoadForReport touches no file in it.
  TombolixApp app(host, QDir::currentPath());
  app.SetSoundEnabled(false);
  app.LoadForReport(file.absoluteFilePath());
  WindowModel& model = app.Model();
  if (host.QuitCount() > 0) {
    err << QStringLiteral("tombolix-report: the history file \"%1\" could not be loaded").arg(options.historyFile)
        << Qt::endl;
    return {kExitNoInput, QString()};
  }
  if (model.ReloadPending()) {  // rejected: pane 0 tells why
    const ReportText& start = model.RtfReporte[Pane::Start].report;
    return {kExitRejected, ExportReport(start, Pane::Start, options.format, PaneTitle(Pane::Start))};
  }
  if (NeedsListHandOver(options.pane)) return Unavailable(options.pane, err);

  if (options.selection) {
    // Selectors beyond the lottery's positions are disabled and show "--".
    for (int k = 1; k <= model.history.PositionCount; ++k) {
      model.CboBal[static_cast<size_t>(k)].text = (*options.selection)[static_cast<size_t>(k - 1)];
    }
  }
  if (!Perform(app, host, options.pane, options.selection.has_value())) return {kExitFailed, QString()};
  const ReportText& report = model.RtfReporte[static_cast<size_t>(options.pane)].report;
  if (report.IsEmptyMarker()) return Unavailable(options.pane, err);
  return {kExitOk, ExportReport(report, options.pane, options.format, PaneTitle(options.pane))};
}

}  // namespace tombolix
