#pragma once

// What tombolix-report does once its command line is read: load the history
// through the program's own routines on a platform without a display, perform
// the user action that computes the report, and export the pane. Header-only
// so that the tests run it in-process.

#include "app/headless_platform.h"
#include "app/tombolix_app.h"
#include "report_options.h"
#include "reports/report_export.h"
#include "texts/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace tombolix {

// The platform of the tool: message boxes go to standard error as well.
class ReportHost : public HeadlessPlatform {
 public:
  explicit ReportHost(QTextStream& err) : err_(err) {}
  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override {
    err_ << title << QLatin1String(": ") << text << Qt::endl;
    return HeadlessPlatform::ShowMessage(text, title, icon, buttons, defaultAnswer);
  }

 private:
  QTextStream& err_;
};

// The user action that computes a pane, with what the program runs before it.
struct PaneAction {
  int listRow = -1;        // a click on this row of the analysis list
  int command = -1;        // a click on this command button
  bool secondMap = false;  // then a click on the map button M2 (its M1 was opened first)
};

inline PaneAction ActionFor(int pane, bool withSelection) {
  switch (pane) {
    case Pane::Start:
      return withSelection ? PaneAction{-1, 0, false} : PaneAction{};  // BUSCAR
    case Pane::HistorialAciertos:
      return {1, -1, false};
    case Pane::Frecuencia:
      return {3, -1, false};
    case Pane::MapaFrecuenciaM1:
      return {4, -1, false};
    case Pane::MapaFrecuenciaM2:
      return {4, -1, true};
    case Pane::LeyTercio:
      return {6, -1, false};
    case Pane::MapaLeyTercioM1:
      return {7, -1, false};
    case Pane::MapaLeyTercioM2:
      return {7, -1, true};
    case Pane::CicloAparicion:
      return {9, -1, false};
    case Pane::PronosticoM1:
      return {10, -1, false};
    case Pane::PronosticoM2:
      return {10, -1, true};
    case Pane::Consecutivos:
      return {12, -1, false};
    case Pane::Repetidos:
      return {13, -1, false};
    case Pane::ParesImparesM1:
      return {14, -1, false};
    case Pane::ParesImparesM2:
      return {14, -1, true};
    case Pane::PrimosM1:
      return {15, -1, false};
    case Pane::PrimosM2:
      return {15, -1, true};
    case Pane::PatronJugadas:
      return {17, -1, false};
    case Pane::PatronUltimoSorteo:
      return {18, -1, false};  // runs ANÁLISIS iA first
    case Pane::ResumenIA:
      return {-1, 7, false};  // ANÁLISIS iA
    case Pane::GeneradorM1:
      return {-1, 4, false};  // COMBINACIONES
    case Pane::GeneradorM2:
      return {-1, 4, true};
    default:
      return {};
  }
}

// The page title of a pane's export: the report's name as the window shows it.
inline QString ReportTitle(int pane) {
  static constexpr std::array<int, kPaneCount> kTitleMessage{-1, 2, 3, 4,  5,  6,  7,  8,  9,  10, 11,
                                                             12, 4, 6, 44, 44, 40, 11, 40, 13, -1, 8};
  static const std::array<int, 6> kM2{12, 13, 15, 17, 18, 21};
  if (pane == Pane::Start) return ProgramCaption();
  if (pane == Pane::ResumenIA) return MessageTitle(QStringLiteral("ANÁLISIS iA"));
  QString title = MessageTitle(kTitleMessage[static_cast<size_t>(pane)]);
  if (std::find(kM2.begin(), kM2.end(), pane) != kM2.end()) title += QLatin1String(" M2");
  return title;
}

struct ReportOutcome {
  int exitCode = kExitOk;
  QString output;  // what goes to standard output
};

inline ReportOutcome NotAvailable(int pane, QTextStream& err) {
  err << QStringLiteral("tombolix-report: the report \"%1\" (pane %2) is not available yet")
             .arg(QLatin1String(kReportNames[static_cast<size_t>(pane)]))
             .arg(pane)
      << Qt::endl;
  return {kExitFailed, QString()};
}

// The back-test maps read and save the lottery's list file. They stay off until
// the list of --combinations and the seed of --seed can be handed to the
// program in its place, so that the tool never writes a file.
inline bool NeedsListHandOver(int pane) { return pane == Pane::GeneradorM1 || pane == Pane::GeneradorM2; }

// Clicks what computes the pane; false when the program refused with a message
// (its text is already on standard error) or ended.
inline bool Perform(TombolixApp& app, const ReportHost& host, const PaneAction& action) {
  const qsizetype messagesBefore = host.Messages().size();
  if (action.listRow >= 0) {
    app.Model().LstFormula.selectedRow = action.listRow;
    app.LstFormula_Click(action.listRow);
  }
  if (action.command >= 0) app.RunCommand(action.command);
  if (action.secondMap && host.Messages().size() == messagesBefore) app.LblMapas_Click(1);
  return host.Messages().size() == messagesBefore && host.quitCount == 0;
}

// True when a selection holds a chosen number.
inline bool ChoosesANumber(const std::optional<SelectorTexts>& selection) {
  return selection && std::any_of(selection->begin(), selection->end(),
                                  [](const QString& s) { return !s.isEmpty() && s.at(0).isDigit(); });
}

inline ReportOutcome RunReport(const ReportToolOptions& options, QTextStream& err) {
  const QFileInfo file(options.historyFile);
  if (!file.isFile() || !file.isReadable()) {
    err << QStringLiteral("tombolix-report: cannot read the history file \"%1\"").arg(options.historyFile) << Qt::endl;
    return {kExitFailed, QString()};
  }
  ReportHost host(err);
  // The program folder is only read; LoadForReport touches no file in it.
  TombolixApp app(host, QDir::currentPath());
  app.SetSoundEnabled(false);
  app.LoadForReport(file.absoluteFilePath());
  WindowModel& model = app.Model();
  if (host.quitCount > 0) {
    err << QStringLiteral("tombolix-report: the history file \"%1\" could not be loaded").arg(options.historyFile)
        << Qt::endl;
    return {kExitFailed, QString()};
  }
  if (model.ReloadPending()) {  // rejected: pane 0 tells why
    const ReportText& start = model.RtfReporte[Pane::Start].report;
    return {kExitRejected, ExportReport(start, Pane::Start, options.format, ReportTitle(Pane::Start))};
  }
  if (NeedsListHandOver(options.pane)) return NotAvailable(options.pane, err);

  if (options.selection) {
    for (int k = 1; k <= kSelectorCount; ++k) {
      model.CboBal[static_cast<size_t>(k)].text = (*options.selection)[static_cast<size_t>(k - 1)];
    }
  }
  const quint64 startGeneration = model.RtfReporte[Pane::Start].report.Generation();
  const PaneAction action = ActionFor(options.pane, options.selection.has_value());
  if (!Perform(app, host, action)) return {kExitFailed, QString()};
  const ReportText& report = model.RtfReporte[static_cast<size_t>(options.pane)].report;
  // A search for a chosen number always rewrites pane 0; an untouched start
  // pane then means the search is not there.
  const bool searchMissing =
      action.command == 0 && report.Generation() == startGeneration && ChoosesANumber(options.selection);
  if (report.IsEmptyMarker() || searchMissing) return NotAvailable(options.pane, err);
  return {kExitOk, ExportReport(report, options.pane, options.format, ReportTitle(options.pane))};
}

}  // namespace tombolix
