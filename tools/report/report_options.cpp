#include "report_options.h"

#include "app/pane_table.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace tombolix {

namespace {

// The analyses read the last 100 draws; a forecast replay goes back as far.
constexpr int kBaselineMaxDraws = 100;

struct Options {
  QCommandLineOption format{QStringLiteral("format"), QStringLiteral("raw, ansi, html or json"), QStringLiteral("F")};
  QCommandLineOption select{QStringLiteral("select"), QStringLiteral("selector texts"), QStringLiteral("S1,...,S7")};
  QCommandLineOption combinations{QStringLiteral("combinations"), QStringLiteral("list file"), QStringLiteral("F")};
  QCommandLineOption saveCombinations{QStringLiteral("save-combinations"), QStringLiteral("list file to write"),
                                      QStringLiteral("F")};
  QCommandLineOption baseline{
      QStringLiteral("baseline"),
      QStringLiteral("compare with chance: N random lists (pane 14) or N replayed draws (panes 7 and 20)"),
      QStringLiteral("N")};
  QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("generator seed"), QStringLiteral("N")};
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("this text")};
};

QString ApplyValues(const QCommandLineParser& parser, const Options& o, ReportToolOptions& options) {
  if (parser.isSet(o.format)) {
    const QString value = parser.value(o.format);
    const std::optional<ExportFormat> format = ParseExportFormat(value);
    if (!format) return QStringLiteral("unknown format \"%1\" (raw, ansi, html or json)").arg(value);
    options.format = *format;
  }
  if (parser.isSet(o.select)) {
    QString error;
    options.selection = ParseSelection(parser.value(o.select), &error);
    if (!options.selection) return error;
  }
  if (parser.isSet(o.combinations)) {
    options.combinationsFile = parser.value(o.combinations);
    if (options.combinationsFile.isEmpty()) return QStringLiteral("--combinations needs a file name");
  }
  if (parser.isSet(o.saveCombinations)) {
    options.saveCombinationsFile = parser.value(o.saveCombinations);
    if (options.saveCombinationsFile.isEmpty()) return QStringLiteral("--save-combinations needs a file name");
  }
  if (parser.isSet(o.baseline)) {
    bool ok = false;
    options.baselineLists = parser.value(o.baseline).toInt(&ok);
    if (!ok || options.baselineLists < 1 || options.baselineLists > 100000) {
      return QStringLiteral("--baseline needs a number from 1 to 100000");
    }
  }
  if (parser.isSet(o.seed)) {
    const QString value = parser.value(o.seed);
    bool ok = false;
    const uint seed = value.toUInt(&ok);
    if (!ok) return QStringLiteral("--seed needs a whole number from 0 to 4294967295, got \"%1\"").arg(value);
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
    *error = QStringLiteral("--select takes at most 7 items, got %1").arg(items.size());
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
      *error = QStringLiteral("--select item %1 \"%2\" is not one or two digits, empty, \"--\" or a label \"Bk\"")
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
  parser.addOptions({o.format, o.select, o.combinations, o.saveCombinations, o.baseline, o.seed, o.help});
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
  if (!parsed.error.isEmpty()) return parsed;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    parsed.error = QStringLiteral("expected HISTORY_FILE and REPORT, got %1 argument(s)").arg(positional.size());
    return parsed;
  }
  parsed.options.historyFile = positional[0];
  const std::optional<int> pane = ResolveReport(positional[1]);
  if (!pane) {
    parsed.error = QStringLiteral("unknown report \"%1\" (see --help)").arg(positional[1]);
    return parsed;
  }
  parsed.options.pane = *pane;
  const bool replaysDraws = *pane == Pane::PronosticoM1 || *pane == Pane::ResumenIA;
  if (replaysDraws && parsed.options.baselineLists > kBaselineMaxDraws) {
    parsed.error =
        QStringLiteral("--baseline on reports 7 and 20 needs a number of draws from 1 to %1").arg(kBaselineMaxDraws);
  }
  return parsed;
}

QString UsageLine() {
  return QStringLiteral(
      "usage: tombolix-report [--format raw|ansi|html|json] [--select S1,...,S7] [--combinations FILE.CMB] "
      "[--save-combinations FILE.CMB] [--baseline N] [--seed N] HISTORY_FILE REPORT\n");
}

QString HelpText() {
  QString help = UsageLine();
  help += QStringLiteral(
      "\nLoads HISTORY_FILE as Tombolix does, performs what computes the report in the program\n"
      "(with what the program runs before it) and prints the report. It writes no file.\n"
      "\nOptions:\n"
      "  --format F          raw: the text, marks included (default); ansi: coloured for a terminal,\n"
      "                      marks hidden; html: a standalone page; json: text and colour runs\n"
      "  --select S1,...,S7  the texts of the selectors B1..B7: one or two digits for a chosen number,\n"
      "                      an empty item for an emptied selector, \"--\", \"Bk\" or a missing item for\n"
      "                      one still showing its label; with report 0 it runs the BUSCAR search\n"
      "  --combinations F    the combination list the back-test replays (panes 14 and 15); without\n"
      "                      it a new list is generated\n"
      "  --save-combinations F  writes the list of the run (panes 14 and 15) as a list file, marked\n"
      "                      as it stands, so it can be tested again with --combinations\n"
      "  --baseline N        after a back-test (panes 14 and 15): what N random lists of the same\n"
      "                      size score on the same draws (a \"baseline\" object in JSON, a table\n"
      "                      after the report otherwise); 1000 gives a meaningful band.\n"
      "                      On reports 7 and 20: replays the last N draws (1 to 100, the draws\n"
      "                      the analyses read) and weighs the numbers the report named before\n"
      "                      each against as many random picks from the same candidates\n"
      "  --seed N            seed of the generator (without it, one from the clock, printed on\n"
      "                      standard error): the same seed gives the same list on every platform\n"
      "  -h, --help          this text\n"
      "\nREPORT is a pane number or a name:\n");
  for (const PaneRow& row : PaneTable()) {
    help += QStringLiteral("  %1  %2\n").arg(row.pane, 2).arg(QLatin1String(row.toolName));
  }
  help += QStringLiteral(
      "\nExit status:\n"
      "   0  the report was printed\n"
      "   2  a precondition of the program failed (its message goes to standard error)\n"
      "   3  the history was rejected (pane 0, the reason, is printed)\n"
      "   4  the combination list file was rejected\n"
      "  64  a bad command line\n"
      "  66  a file that cannot be read\n"
      "  69  the report is not available in this build\n");
  return help;
}

}  // namespace tombolix
