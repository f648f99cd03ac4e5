#include "report_runner.h"

#include "app/forecast_chance.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "combinations/chance_report.h"
#include "combinations/combination_lines.h"
#include "combinations/list_file.h"
#include "report_platform.h"
#include "reports/report_export.h"
#include "texts/messages.h"
#include "tickets_runner.h"
#include "wheel_report.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tombolix {

namespace {

ReportOutcome Unavailable(int pane, QTextStream& err) {
  err << QStringLiteral("tombolix-report: el informe «%1» (panel %2) aún no está disponible")
             .arg(QLatin1String(PaneInfo(pane).toolName))
             .arg(pane)
      << Qt::endl;
  return {kExitUnavailable, QString()};
}

bool IsBackTestPane(int pane) { return pane == Pane::GeneradorM1 || pane == Pane::GeneradorM2; }

// Checks the list file of --combinations before the program reads it, so that
// a rejected file is reported (exit 4) instead of being deleted.
std::optional<ReportOutcome> CheckListFile(const QString& path, int positionCount, QTextStream& err) {
  const ListFileLoad load = CargarListaCmb(path, positionCount);
  if (load.status == ListFileStatus::Loaded) return std::nullopt;
  if (load.status == ListFileStatus::Unreadable) {
    err << QStringLiteral("tombolix-report: no se puede leer el archivo de lista «%1»").arg(path) << Qt::endl;
    return ReportOutcome{kExitNoInput, QString()};
  }
  err << QStringLiteral("tombolix-report: el archivo de lista «%1» fue rechazado: %2").arg(path, load.reason)
      << Qt::endl;
  return ReportOutcome{kExitListRejected, QString()};
}

// A comparison with chance after the report: a "baseline" object in JSON, a
// short table after the text otherwise.
QString WithBaseline(const QString& output, const QJsonObject& baseline, const QString& table, ExportFormat format) {
  if (format == ExportFormat::Json) {
    QJsonObject json = QJsonDocument::fromJson(output.toUtf8()).object();
    json.insert(QStringLiteral("baseline"), baseline);
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
  }
  if (format == ExportFormat::Html) {
    return QString(output).replace(QStringLiteral("</body>"),
                                   QStringLiteral("<pre>") + table.toHtmlEscaped() + QStringLiteral("</pre>\n</body>"));
  }
  return output + QLatin1Char('\n') + table;
}

// The forecast of pane 7 or 20 replayed over the last `draws` draws, as a
// table led by its title and followed by the plain sentence.
QString ForecastBaseline(const TombolixApp& app, const QString& output, int pane, int draws, ExportFormat format) {
  const std::optional<ForecastComparison> result = CompareForecastWithChance(app.Model(), pane, draws, {});
  if (!result) return output;
  const QString table = QStringLiteral("Comparación con el azar\n") + ForecastChanceTable(*result) +
                        ForecastChanceSentence(*result) + QLatin1Char('\n');
  return WithBaseline(output, ForecastChanceJson(*result), table, format);
}

// Both comparisons of the back-tested list: on the tested draws, then on fresh
// draws with a list made from the draws before them.
QString ListBaseline(const TombolixApp& app, const QString& output, int lists, quint32 seed, ExportFormat format) {
  const std::optional<ListWorkflow::ChanceTests> tests = app.Lists().CompareListWithChanceTests(lists, seed, seed);
  if (!tests) return output;
  const FreshDrawTest& fresh = tests->fresh;
  QString table = QStringLiteral("Comparación con el azar, en los sorteos de la prueba: ") +
                  ChanceTable(tests->inSample) + ChanceSentence(tests->inSample) +
                  QStringLiteral("\n\nComparación con el azar, en sorteos nuevos: ");
  QJsonObject json = ChanceJson(tests->inSample);
  QJsonObject freshJson;
  if (fresh.problem.isEmpty()) {
    table += ChanceTable(fresh.baseline);
    freshJson = ChanceJson(fresh.baseline);
    freshJson.insert(QStringLiteral("sentence"), FreshDrawSentence(fresh));
  } else {
    table += QLatin1Char('\n');
    freshJson.insert(QStringLiteral("verdict"), QJsonValue(QJsonValue::Null));
    freshJson.insert(QStringLiteral("problem"), fresh.problem);
  }
  freshJson.insert(QStringLiteral("knownDraws"), fresh.knownDraws);
  json.insert(QStringLiteral("freshDraws"), freshJson);
  return WithBaseline(output, json, table + FreshDrawSentence(fresh) + QLatin1Char('\n'), format);
}

// Writes the run's list as a list file, each line marked as it stands.
bool SaveRunList(const WindowModel& model, const QString& path, QTextStream& err) {
  if (GuardarListaCmb(path, CleanCombinationLines(model.combinations.LineasComb), model.history.PositionCount)) {
    return true;
  }
  err << QStringLiteral("tombolix-report: no se puede escribir el archivo de lista «%1»").arg(path) << Qt::endl;
  return false;
}

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
    err << QStringLiteral("tombolix-report: no se puede leer el historial «%1»").arg(options.historyFile) << Qt::endl;
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
    err << QStringLiteral("tombolix-report: no se pudo cargar el historial «%1»").arg(options.historyFile) << Qt::endl;
    return {kExitNoInput, QString()};
  }
  if (model.ReloadPending()) {  // rejected: pane 0 tells why
    const ReportText& start = model.RtfReporte[Pane::Start].report;
    return {kExitRejected, ExportReport(start, Pane::Start, options.format, PaneTitle(Pane::Start))};
  }
  if (options.ticketsReport) return RunTicketsReport(options, model.history, file.completeBaseName(), err);
  if (options.wheelReport) return RunWheelReport(options, model, host, err);
  if (IsBackTestPane(options.pane)) {
    // Refusals come first, in the program's order: too few positions, too few draws.
    if (model.history.PositionCount >= 4 && model.history.DrawCount > 100 && !options.combinationsFile.isEmpty()) {
      if (auto refused = CheckListFile(options.combinationsFile, model.history.PositionCount, err)) return *refused;
    }
    // The tool never writes or deletes a file next to the history: the list
    // comes from --combinations or is generated, and nothing is saved there.
    app.Lists().SetHandOver({options.combinationsFile, false});
    const quint32 seed = options.seed ? *options.seed : static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    if (!options.seed && options.combinationsFile.isEmpty()) err << QStringLiteral("semilla %1").arg(seed) << Qt::endl;
    app.Lists().SeedGenerator(seed);
  }

  if (options.selection) {
    // Selectors beyond the lottery's positions are disabled and show "--".
    for (int k = 1; k <= model.history.PositionCount; ++k) {
      model.CboBal[static_cast<size_t>(k)].text = (*options.selection)[static_cast<size_t>(k - 1)];
    }
  }
  if (!Perform(app, host, options.pane, options.selection.has_value())) return {kExitFailed, QString()};
  const ReportText& report = model.RtfReporte[static_cast<size_t>(options.pane)].report;
  if (IsBackTestPane(options.pane) && model.combinations.LineasComb.value(0).isEmpty()) {
    // The generator found no combination it could accept.
    err << Msg(TxtImposibleGenerar) << Qt::endl;
    return {kExitFailed, QString()};
  }
  if (IsBackTestPane(options.pane) && !options.saveCombinationsFile.isEmpty() &&
      !SaveRunList(model, options.saveCombinationsFile, err)) {
    return {kExitNoInput, QString()};
  }
  if (report.IsEmptyMarker()) return Unavailable(options.pane, err);
  QString output = ExportReport(report, options.pane, options.format, PaneTitle(options.pane));
  if (IsBackTestPane(options.pane) && options.baselineLists > 0) {
    const quint32 seed = options.seed ? *options.seed : 1;
    output = ListBaseline(app, output, options.baselineLists, seed, options.format);
  }
  if (PaneInfo(options.pane).chance == ChanceComparison::Forecast && options.baselineLists > 0) {
    output = ForecastBaseline(app, output, options.pane, options.baselineLists, options.format);
  }
  return {kExitOk, output};
}

}  // namespace tombolix
