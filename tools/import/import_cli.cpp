#include "import_cli.h"

#include "app/import_flow.h"
#include "files/program_paths.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace tombolix {

namespace {

const QString kExitCodes = QStringLiteral(
    "\nCódigos de salida:\n"
    "  0   historial escrito o sorteos añadidos (con --check: se escribirían)\n"
    "  1   el archivo tiene errores: no se escribió nada\n"
    "  2   el historial ya existe: indique --append, --replace u otro --name\n"
    "  3   no se pudo leer el archivo de entrada, o no es un texto de resultados\n"
    "  4   no se pudo escribir el historial (no queda nada a medias)\n"
    "  5   --append: el historial y el archivo no coinciden; no se escribió nada\n"
    "  64  línea de órdenes incorrecta, o un nombre de lotería que no sirve como nombre de archivo\n");

struct CliChoice {
  QString input;
  ImportRequest request;
  ImportOptions options;
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
      QStringLiteral("Convierte un archivo CSV o de texto con resultados de lotería en un historial de Tombolix "
                     "(dd/mm/aaaa, números separados por comas, Windows-1252), o añade sus sorteos nuevos a uno "
                     "existente."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("archivo"), QStringLiteral("El CSV o texto de resultados."));
  parser.addOptions({
      {QStringLiteral("encoding"),
       QStringLiteral("Codificación: auto (por omisión), utf-8, windows-1252, utf-16le o utf-16be."),
       QStringLiteral("codificación"), QStringLiteral("auto")},
      {QStringLiteral("date-column"), QStringLiteral("Columna de la fecha (desde 1)."), QStringLiteral("n")},
      {QStringLiteral("number-columns"), QStringLiteral("Columnas de los números, p. ej. 2,3,4,5,6,7."),
       QStringLiteral("lista")},
      {QStringLiteral("date-order"),
       QStringLiteral("Orden de las fechas cuando no se puede deducir: dmy (día/mes/año), mdy (mes/día/año) o ymd "
                      "(año/mes/día)."),
       QStringLiteral("orden")},
      {QStringLiteral("name"), QStringLiteral("Nombre de la lotería (por omisión, el del archivo)."),
       QStringLiteral("nombre")},
      {QStringLiteral("folder"), QStringLiteral("Carpeta de historiales (por omisión, ./Historiales)."),
       QStringLiteral("carpeta"), program_paths::kHistories},
      {QStringLiteral("replace"), QStringLiteral("Reemplaza un historial existente (el anterior queda como .bak).")},
      {QStringLiteral("append"),
       QStringLiteral("Añade al historial existente los sorteos posteriores a su última línea (el anterior queda "
                      "como .bak).")},
      {QStringLiteral("check"), QStringLiteral("Solo informa: no escribe nada.")},
  });
}

std::optional<ImportEncoding> ParseEncoding(const QString& text) {
  const QString e = text.toLower().remove(QLatin1Char('-'));
  if (e == QLatin1String("auto")) return ImportEncoding::Auto;
  if (e == QLatin1String("utf8")) return ImportEncoding::Utf8;
  if (e == QLatin1String("windows1252") || e == QLatin1String("cp1252") || e == QLatin1String("ansi")) {
    return ImportEncoding::Windows1252;
  }
  if (e == QLatin1String("utf16le")) return ImportEncoding::Utf16LE;
  if (e == QLatin1String("utf16be")) return ImportEncoding::Utf16BE;
  return std::nullopt;
}

// The choices of the command line, or an error text.
std::optional<CliChoice> ReadChoice(const QCommandLineParser& parser, QString& error) {
  CliChoice choice;
  if (parser.positionalArguments().size() != 1) {
    error = QStringLiteral("indique un único archivo de entrada");
    return std::nullopt;
  }
  choice.input = parser.positionalArguments().front();
  const auto encoding = ParseEncoding(parser.value(QStringLiteral("encoding")));
  if (!encoding) {
    error = QStringLiteral("codificación desconocida «%1» (auto, utf-8, windows-1252, utf-16le o utf-16be)")
                .arg(parser.value(QStringLiteral("encoding")));
    return std::nullopt;
  }
  choice.options.encoding = *encoding;
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
  if (parser.isSet(QStringLiteral("date-order"))) {
    const QString order = parser.value(QStringLiteral("date-order")).toLower();
    if (order == QLatin1String("dmy")) {
      choice.options.dateOrder = DateOrder::DayMonthYear;
    } else if (order == QLatin1String("mdy")) {
      choice.options.dateOrder = DateOrder::MonthDayYear;
    } else if (order == QLatin1String("ymd")) {
      choice.options.dateOrder = DateOrder::YearMonthDay;
    } else {
      error = QStringLiteral("--date-order admite dmy, mdy o ymd");
      return std::nullopt;
    }
  }
  const bool replace = parser.isSet(QStringLiteral("replace"));
  const bool append = parser.isSet(QStringLiteral("append"));
  if (replace && append) {
    error = QStringLiteral("--replace y --append no van juntas");
    return std::nullopt;
  }
  ImportRequest& request = choice.request;
  request.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                                                      : QFileInfo(choice.input).completeBaseName();
  request.folder = parser.value(QStringLiteral("folder"));
  request.target = replace ? ImportTarget::Replace : append ? ImportTarget::Append : ImportTarget::New;
  request.checkOnly = parser.isSet(QStringLiteral("check"));
  return choice;
}

int ExitCode(ImportStatus status) {
  switch (status) {
    case ImportStatus::Written:
    case ImportStatus::Appended:
    case ImportStatus::NothingNew:
    case ImportStatus::Checked:
    case ImportStatus::Cancelled:
      return kImportWritten;
    case ImportStatus::FileErrors:
      return kImportFileErrors;
    case ImportStatus::Exists:
      return kImportExists;
    case ImportStatus::BadName:
      return kImportBadCommand;
    case ImportStatus::AppendRefused:
      return kImportAppendRefused;
    case ImportStatus::WriteFailed:
      break;
  }
  return kImportWriteFailed;
}

int Import(const CliChoice& choice, QTextStream& out, QTextStream& err) {
  ImportSession session;
  if (!session.Load(choice.input)) {
    err << QStringLiteral("tombolix-import: ") << session.Error() << Qt::endl;
    return kImportUnreadable;
  }
  const ImportAnalysis& analysis = session.Analyse(choice.options);
  for (const QString& line : LayoutSummary(analysis)) out << line << Qt::endl;
  for (const ImportProblem& problem : analysis.problems) out << ProblemLine(problem) << Qt::endl;
  const ImportOutcome outcome = session.Commit(choice.request);
  for (const QString& line : outcome.details) out << line << Qt::endl;
  QTextStream& stream = ExitCode(outcome.status) == kImportWritten ? out : err;
  if (&stream == &err) stream << QStringLiteral("tombolix-import: ");
  stream << outcome.message << Qt::endl;
  if (outcome.status == ImportStatus::Exists) {
    err << QStringLiteral("Use --append para añadir los sorteos nuevos, --replace para reemplazarlo, u otro --name.")
        << Qt::endl;
  }
  if (outcome.status == ImportStatus::FileErrors && analysis.dateOrderAsked) {
    err << QStringLiteral("Indique el orden de las fechas con --date-order dmy, mdy o ymd.") << Qt::endl;
  }
  if (outcome.status == ImportStatus::BadName) err << QStringLiteral("Indique otro nombre con --name.") << Qt::endl;
  return ExitCode(outcome.status);
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
