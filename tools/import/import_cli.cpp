#include "import_cli.h"

#include "importer/history_writer.h"
#include "importer/import_analysis.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace tombolix {

namespace {

const QString kExitCodes = QStringLiteral(
    "\nCódigos de salida:\n"
    "  0   historial escrito (con --check: ningún error)\n"
    "  1   el archivo tiene errores: no se escribió nada\n"
    "  2   el historial ya existe y falta --replace\n"
    "  3   no se pudo leer el archivo de entrada\n"
    "  4   no se pudo escribir el historial (no queda nada a medias)\n"
    "  64  línea de órdenes incorrecta\n");

struct CliChoice {
  QString input;
  QString name;
  QString folder;
  ImportOptions options;
  bool replace = false;
  bool check = false;
};

// "2,3,4" (1-based) into 0-based columns; nullopt when a part is no column number.
std::optional<QVector<int>> ParseColumns(const QString& text) {
  QVector<int> columns;
  for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int column = part.trimmed().toInt(&ok);
    if (!ok || column < 1) return std::nullopt;
    columns.append(column - 1);
  }
  if (columns.isEmpty()) return std::nullopt;
  return columns;
}

void AddOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Convierte un archivo CSV de resultados en un historial de Tombolix (dd/mm/aaaa, números "
                     "separados por comas, Windows-1252)."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("archivo"), QStringLiteral("El CSV o texto de resultados."));
  parser.addOptions({
      {QStringLiteral("encoding"), QStringLiteral("Codificación: utf-8 (por omisión) o windows-1252."),
       QStringLiteral("codificación"), QStringLiteral("utf-8")},
      {QStringLiteral("date-column"), QStringLiteral("Columna de la fecha (desde 1)."), QStringLiteral("n")},
      {QStringLiteral("number-columns"), QStringLiteral("Columnas de los números, p. ej. 2,3,4,5,6,7."),
       QStringLiteral("lista")},
      {QStringLiteral("name"), QStringLiteral("Nombre de la lotería (por omisión, el del archivo)."),
       QStringLiteral("nombre")},
      {QStringLiteral("folder"), QStringLiteral("Carpeta de historiales (por omisión, ./Historiales)."),
       QStringLiteral("carpeta"), QStringLiteral("Historiales")},
      {QStringLiteral("replace"), QStringLiteral("Reemplaza un historial existente.")},
      {QStringLiteral("check"), QStringLiteral("Solo informa: no escribe nada.")},
  });
}

// The choices of the command line, or an error text.
std::optional<CliChoice> ReadChoice(const QCommandLineParser& parser, QString& error) {
  CliChoice choice;
  if (parser.positionalArguments().size() != 1) {
    error = QStringLiteral("indique un único archivo de entrada");
    return std::nullopt;
  }
  choice.input = parser.positionalArguments().front();
  const QString encoding = parser.value(QStringLiteral("encoding")).toLower();
  if (encoding == QLatin1String("windows-1252") || encoding == QLatin1String("cp1252")) {
    choice.options.encoding = ImportEncoding::Windows1252;
  } else if (encoding != QLatin1String("utf-8") && encoding != QLatin1String("utf8")) {
    error = QStringLiteral("codificación desconocida «%1» (utf-8 o windows-1252)").arg(encoding);
    return std::nullopt;
  }
  if (parser.isSet(QStringLiteral("date-column"))) {
    const auto column = ParseColumns(parser.value(QStringLiteral("date-column")));
    if (!column || column->size() != 1) {
      error = QStringLiteral("--date-column necesita un número de columna");
      return std::nullopt;
    }
    choice.options.dateColumn = column->front();
  }
  if (parser.isSet(QStringLiteral("number-columns"))) {
    const auto columns = ParseColumns(parser.value(QStringLiteral("number-columns")));
    if (!columns) {
      error = QStringLiteral("--number-columns necesita números de columna separados por comas");
      return std::nullopt;
    }
    choice.options.numberColumns = *columns;
  }
  choice.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                                                     : QFileInfo(choice.input).completeBaseName();
  choice.folder = parser.value(QStringLiteral("folder"));
  choice.replace = parser.isSet(QStringLiteral("replace"));
  choice.check = parser.isSet(QStringLiteral("check"));
  return choice;
}

int Import(const CliChoice& choice, QTextStream& out, QTextStream& err) {
  QFile file(choice.input);
  if (!file.open(QIODevice::ReadOnly)) {
    err << QStringLiteral("tombolix-import: no se pudo leer '%1'").arg(choice.input) << Qt::endl;
    return kImportUnreadable;
  }
  const ImportAnalysis analysis = AnalyseImport(file.readAll(), choice.options);
  out << LayoutSummary(analysis) << Qt::endl;
  for (const ImportProblem& problem : analysis.problems) out << ProblemLine(problem) << Qt::endl;
  if (analysis.HasErrors()) {
    out << QStringLiteral("Hay errores: no se escribió ningún historial.") << Qt::endl;
    return kImportFileErrors;
  }
  if (choice.check) return kImportWritten;
  const WriteResult written = WriteImportedHistory(choice.folder, choice.name, analysis.historyText,
                                                    choice.replace ? WriteKind::Replace : WriteKind::New);
  if (written.status == WriteStatus::Written) {
    out << QStringLiteral("Historial escrito: %1").arg(QDir::toNativeSeparators(written.path)) << Qt::endl;
    return kImportWritten;
  }
  err << QStringLiteral("tombolix-import: ") << written.message << Qt::endl;
  if (written.status == WriteStatus::Exists) {
    err << QStringLiteral("Use --replace para reemplazarlo.") << Qt::endl;
    return kImportExists;
  }
  return written.status == WriteStatus::BadName ? kImportBadCommand : kImportWriteFailed;
}

}  // namespace

int RunImportCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!parser.parse(QStringList{QStringLiteral("tombolix-import")} + arguments)) {
    err << QStringLiteral("tombolix-import: ") << parser.errorText() << Qt::endl;
    return kImportBadCommand;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    out << parser.helpText() << kExitCodes;
    out.flush();
    return kImportWritten;
  }
  QString error;
  const std::optional<CliChoice> choice = ReadChoice(parser, error);
  if (!choice) {
    err << QStringLiteral("tombolix-import: ") << error << Qt::endl;
    return kImportBadCommand;
  }
  return Import(*choice, out, err);
}

}  // namespace tombolix
