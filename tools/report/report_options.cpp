#include "report_options.h"

#include "app/pane_table.h"
#include "history/history.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace tombolix {

namespace {

// The analyses read the last 100 draws; a forecast replay goes back as far.
constexpr int kBaselineMaxDraws = 100;

struct Options {
  QCommandLineOption format{QStringLiteral("format"), QStringLiteral("raw, ansi, html o json"), QStringLiteral("F")};
  QCommandLineOption select{QStringLiteral("select"), QStringLiteral("textos de las casillas"),
                            QStringLiteral("S1,...,S7")};
  QCommandLineOption combinations{QStringLiteral("combinations"), QStringLiteral("archivo de lista"),
                                  QStringLiteral("F")};
  QCommandLineOption saveCombinations{QStringLiteral("save-combinations"),
                                      QStringLiteral("archivo de lista que escribir"), QStringLiteral("F")};
  QCommandLineOption baseline{
      QStringLiteral("baseline"),
      QString::fromUtf8("comparar con el azar: N listas al azar (panel 14) o N sorteos repetidos (paneles 7 y 20)"),
      QStringLiteral("N")};
  QCommandLineOption tickets{QStringLiteral("tickets"), QStringLiteral("archivo de jugadas"), QStringLiteral("F")};
  QCommandLineOption match{QStringLiteral("match"), QStringLiteral("cualquier-orden o en-su-posicion"),
                           QStringLiteral("R")};
  QCommandLineOption prize{QStringLiteral("prize"), QStringLiteral("aciertos desde los que hay premio"),
                           QStringLiteral("N")};
  QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("semilla del generador"), QStringLiteral("N")};
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("este texto")};
};

QString ApplyValues(const QCommandLineParser& parser, const Options& o, ReportToolOptions& options) {
  if (parser.isSet(o.format)) {
    const QString value = parser.value(o.format);
    const std::optional<ExportFormat> format = ParseExportFormat(value);
    if (!format) return QStringLiteral("formato desconocido «%1» (raw, ansi, html o json)").arg(value);
    options.format = *format;
  }
  if (parser.isSet(o.select)) {
    QString error;
    options.selection = ParseSelection(parser.value(o.select), &error);
    if (!options.selection) return error;
  }
  if (parser.isSet(o.combinations)) {
    options.combinationsFile = parser.value(o.combinations);
    if (options.combinationsFile.isEmpty()) return QStringLiteral("--combinations necesita un nombre de archivo");
  }
  if (parser.isSet(o.saveCombinations)) {
    options.saveCombinationsFile = parser.value(o.saveCombinations);
    if (options.saveCombinationsFile.isEmpty())
      return QStringLiteral("--save-combinations necesita un nombre de archivo");
  }
  if (parser.isSet(o.baseline)) {
    bool ok = false;
    options.baselineLists = parser.value(o.baseline).toInt(&ok);
    if (!ok || options.baselineLists < 1 || options.baselineLists > 100000) {
      return QStringLiteral("--baseline necesita un número de 1 a 100000");
    }
  }
  if (parser.isSet(o.tickets)) {
    options.ticketsFile = parser.value(o.tickets);
    if (options.ticketsFile.isEmpty()) return QStringLiteral("--tickets necesita un nombre de archivo");
  }
  if (parser.isSet(o.match)) {
    const QString value = parser.value(o.match);
    if (value != QLatin1String("cualquier-orden") && value != QLatin1String("en-su-posicion")) {
      return QStringLiteral("--match admite cualquier-orden o en-su-posicion, no «%1»").arg(value);
    }
    options.inPosition = value == QLatin1String("en-su-posicion");
  }
  if (parser.isSet(o.prize)) {
    bool ok = false;
    options.prizeThreshold = parser.value(o.prize).toInt(&ok);
    if (!ok || options.prizeThreshold < 1 || options.prizeThreshold > kMaxPositions) {
      return QStringLiteral("--prize necesita un número de aciertos de 1 a %1").arg(kMaxPositions);
    }
  }
  if (parser.isSet(o.seed)) {
    const QString value = parser.value(o.seed);
    bool ok = false;
    const uint seed = value.toUInt(&ok);
    if (!ok) return QStringLiteral("--seed necesita un número entero de 0 a 4294967295, no «%1»").arg(value);
    options.seed = seed;
  }
  return QString();
}

}  // namespace

std::optional<int> ResolveReport(const QString& report) {
  static const QRegularExpression number(QStringLiteral("^[0-9]{1,2}$"));
  if (number.match(report).hasMatch()) {
    const int pane = report.toInt();
    if (pane < kPaneCount) return pane;
    return std::nullopt;
  }
  return PaneForToolName(report);
}

std::optional<SelectorArguments> ParseSelection(const QString& value, QString* error) {
  static const QRegularExpression item(QStringLiteral("^([0-9]{1,2}|--|B[1-7]|)$"));
  const QStringList items = value.split(QLatin1Char(','));
  if (items.size() > kSelectorCount) {
    *error = QStringLiteral("--select admite como mucho 7 elementos, no %1").arg(items.size());
    return std::nullopt;
  }
  SelectorArguments texts;
  for (int k = 1; k <= kSelectorCount; ++k) {
    const QString label = QLatin1Char('B') + QString::number(k);
    if (k > items.size()) {
      texts[static_cast<size_t>(k - 1)] = label;
      continue;
    }
    const QString& text = items[k - 1];
    if (!item.match(text).hasMatch()) {
      *error = QStringLiteral(
                   "el elemento %1 de --select, «%2», no es de una o dos cifras, vacío, «--» ni una etiqueta «Bk»")
                   .arg(k)
                   .arg(text);
      return std::nullopt;
    }
    texts[static_cast<size_t>(k - 1)] = text == QLatin1String("--") ? label : text;
  }
  return texts;
}

ParsedCommandLine ParseCommandLine(const QStringList& args) {
  ParsedCommandLine parsed;
  const Options o;
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({o.format, o.select, o.combinations, o.saveCombinations, o.baseline, o.tickets, o.match, o.prize,
                     o.seed, o.help});
  AddWheelOptions(parser);
  if (!parser.parse(QStringList{QStringLiteral("tombolix-report")} + args)) {
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
      parsed.options.help = true;
    } else {
      parsed.error = parser.errorText();
    }
    return parsed;
  }
  if (parser.isSet(o.help)) {
    parsed.options.help = true;
    return parsed;
  }
  parsed.error = ApplyValues(parser, o, parsed.options);
  if (parsed.error.isEmpty()) parsed.error = ApplyWheelOptions(parser, parsed.options.wheel);
  if (!parsed.error.isEmpty()) return parsed;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    parsed.error =
        QStringLiteral("se esperaban HISTORIAL e INFORME; se recibieron %1 argumento(s)").arg(positional.size());
    return parsed;
  }
  parsed.options.historyFile = positional[0];
  if (positional[1] == QLatin1String(kTicketsReportName)) {
    parsed.options.ticketsReport = true;
    if (parsed.options.ticketsFile.isEmpty())
      parsed.error = QStringLiteral("el informe jugadas necesita --tickets ARCHIVO");
    return parsed;
  }
  if (!parsed.options.ticketsFile.isEmpty()) {
    parsed.error = QStringLiteral("--tickets solo sirve con el informe jugadas");
    return parsed;
  }
  parsed.options.wheelReport = positional[1] == QLatin1String(kWheelReportName);
  if (parsed.options.wheelReport != parsed.options.wheel.any) {
    parsed.error = parsed.options.wheelReport
                       ? QStringLiteral("el informe reduccion necesita --wheel y --guarantee")
                       : QStringLiteral("--wheel y sus opciones solo valen con el informe reduccion");
    return parsed;
  }
  if (parsed.options.wheelReport) {
    if (parsed.options.wheel.chosen.empty() || parsed.options.wheel.hits == 0) {
      parsed.error = QStringLiteral("el informe reduccion necesita --wheel y --guarantee");
    }
    return parsed;
  }
  const std::optional<int> pane = ResolveReport(positional[1]);
  if (!pane) {
    parsed.error = QStringLiteral("informe desconocido «%1» (vea --help)").arg(positional[1]);
    return parsed;
  }
  parsed.options.pane = *pane;
  const bool replaysDraws = *pane == Pane::PronosticoM1 || *pane == Pane::ResumenIA;
  if (replaysDraws && parsed.options.baselineLists > kBaselineMaxDraws) {
    parsed.error = QStringLiteral("--baseline en los informes 7 y 20 necesita un número de sorteos de 1 a %1")
                       .arg(kBaselineMaxDraws);
  }
  return parsed;
}

QString UsageLine() {
  return QStringLiteral(
      "Uso: tombolix-report [--format raw|ansi|html|json] [--select S1,...,S7] [--combinations ARCHIVO.CMB] "
      "[--save-combinations ARCHIVO.CMB] [--baseline N] [--seed N] HISTORIAL INFORME\n"
      "       tombolix-report --tickets ARCHIVO [--match cualquier-orden|en-su-posicion] [--prize N] "
      "[--format raw|ansi|html|json] HISTORIAL jugadas\n"
      "       tombolix-report --wheel N1,N2,... --guarantee t/m [--ticket-size k] [--fixed N1,...] [--seconds S] "
      "[--seed N] HISTORIAL reduccion\n");
}

QString HelpText() {
  QString help = UsageLine();
  help += QStringLiteral(
      "\nCarga HISTORIAL como lo hace Tombolix, hace lo que calcula el informe en el programa\n"
      "(con lo que el programa ejecuta antes) e imprime el informe. No escribe ningún archivo.\n"
      "\nOpciones:\n"
      "  --format F          raw: el texto, con las marcas (por omisión); ansi: en color para una\n"
      "                      terminal, sin marcas; html: una página completa; json: texto y tramos de color\n"
      "  --select S1,...,S7  los textos de las casillas B1..B7: una o dos cifras para un número elegido,\n"
      "                      un elemento vacío para una casilla vaciada, «--», «Bk» o un elemento que\n"
      "                      falta para una que aún muestra su etiqueta; con el informe 0 hace la búsqueda BUSCAR\n"
      "  --combinations F    la lista de combinaciones que repite la prueba (paneles 14 y 15); sin\n"
      "                      ella se genera una lista nueva\n"
      "  --save-combinations F  escribe la lista de la ejecución (paneles 14 y 15) como archivo de lista,\n"
      "                      marcada como está, para volver a probarla con --combinations\n"
      "  --baseline N        tras una prueba (paneles 14 y 15): lo que aciertan N listas al azar del mismo\n"
      "                      tamaño en los mismos sorteos (un objeto \"baseline\" en JSON, una tabla tras\n"
      "                      el informe en los demás formatos); 1000 da una banda con sentido.\n"
      "                      En los informes 7 y 20: repite los últimos N sorteos (de 1 a 100, los que\n"
      "                      leen los análisis) y compara los números que el informe nombraba antes de\n"
      "                      cada uno con otras tantas elecciones al azar entre los mismos candidatos\n"
      "  --seed N            semilla del generador (sin ella, una del reloj, escrita en la salida de\n"
      "                      errores): la misma semilla da la misma lista en todas las plataformas\n"
      "  --tickets F         las jugadas del informe jugadas: una por línea (números separados por espacios,\n"
      "                      comas, guiones o dos puntos), un CSV o un archivo de lista .CMB\n"
      "  --match R           jugadas: cualquier-orden o en-su-posicion (sin ella, la regla del juego)\n"
      "  --prize N           jugadas: aciertos desde los que un sorteo cuenta como premio\n"
      "  -h, --help          este texto\n"
      "\nINFORME es un número de panel o un nombre:\n");
  for (const PaneRow& row : PaneTable()) {
    help += QStringLiteral("  %1  %2\n").arg(row.pane, 2).arg(QLatin1String(row.toolName));
  }
  help += QStringLiteral("  --  %1 (con --tickets): cada jugada contra todos los sorteos, frente al azar\n")
              .arg(QLatin1String(kTicketsReportName));
  help += QStringLiteral("      %1\n").arg(QLatin1String(kWheelReportName));
  help += WheelOptionsHelp();
  help += QStringLiteral(
      "\nCódigos de salida:\n"
      "   0  el informe se imprimió\n"
      "   2  falló una condición previa del programa (su mensaje va a la salida de errores)\n"
      "   3  el historial fue rechazado (se imprime el panel 0, con el motivo)\n"
      "   4  el archivo de lista de combinaciones fue rechazado, o el de jugadas no tiene ninguna válida\n"
      "  64  línea de órdenes incorrecta\n"
      "  66  un archivo que no se puede leer\n"
      "  69  el informe no está disponible en esta versión\n");
  return help;
}

}  // namespace tombolix
