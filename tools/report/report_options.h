#pragma once

// Command line of tombolix-report: the report names, the options and the help
// text. Header-only so that the tests compile it without the tool's main.

#include "reports/panes.h"
#include "reports/report_export.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tombolix {

// The name of each pane on the command line: the report's own name in lower
// case, without accents, words joined by "-"; the second map of a pair adds "-m2".
inline constexpr std::array<const char*, kPaneCount> kReportNames{
    "inicio",                         // 0: the start pane; with --select, the BUSCAR search
    "historial-de-aciertos",          // 1
    "frecuencia",                     // 2
    "mapa-de-la-frecuencia",          // 3: map M1
    "ley-del-tercio",                 // 4
    "mapa-ley-del-tercio",            // 5: map M1
    "ciclo-de-aparicion",             // 6
    "pronostico-por-ciclo",           // 7: map M1
    "numeros-consecutivos",           // 8
    "numeros-repetidos",              // 9
    "numeros-pares-impares",          // 10: map M1
    "patron-de-jugadas",              // 11
    "mapa-de-la-frecuencia-m2",       // 12
    "mapa-ley-del-tercio-m2",         // 13
    "generador-de-combinaciones",     // 14: map M1, the back-test of the list
    "generador-de-combinaciones-m2",  // 15: the list against the forecast
    "numeros-primos-compuestos",      // 16: map M1
    "numeros-pares-impares-m2",       // 17
    "numeros-primos-compuestos-m2",   // 18
    "patron-del-ultimo-sorteo",       // 19: the search for draws like the last one
    "analisis-ia",                    // 20: the summary of the ANÁLISIS iA command
    "pronostico-por-ciclo-m2",        // 21
};

// Exit codes of the tool.
enum ReportExit : int {
  kExitOk = 0,
  kExitFailed = 2,    // bad command line, unreadable file, failed precondition, report not available
  kExitRejected = 3,  // the history was rejected; pane 0 holds the reason
};

inline constexpr int kSelectorCount = 7;
// Selector texts B1..B7 as the user left them.
using SelectorTexts = std::array<QString, kSelectorCount>;

struct ReportToolOptions {
  bool help = false;
  ExportFormat format = ExportFormat::Raw;
  std::optional<SelectorTexts> selection;
  QString combinationsFile;
  std::optional<quint32> seed;
  QString historyFile;
  int pane = 0;
};

struct ParsedCommandLine {
  ReportToolOptions options;
  QString error;  // empty when the command line is valid
};

// A pane number 0..21 or a report name; nothing when neither.
inline std::optional<int> ResolveReport(const QString& report) {
  static const QRegularExpression number(QStringLiteral("^[0-9]{1,2}$"));
  if (number.match(report).hasMatch()) {
    const int pane = report.toInt();
    if (pane < kPaneCount) return pane;
    return std::nullopt;
  }
  for (int pane = 0; pane < kPaneCount; ++pane) {
    if (report == QLatin1String(kReportNames[static_cast<size_t>(pane)])) return pane;
  }
  return std::nullopt;
}

// "S1,...,S7": one or two digits for a chosen number, an empty item for an
// emptied selector, "--" or a missing item for a selector showing its label.
inline std::optional<SelectorTexts> ParseSelection(const QString& value, QString* error) {
  static const QRegularExpression item(QStringLiteral("^([0-9]{1,2}|--|)$"));
  const QStringList items = value.split(QLatin1Char(','));
  if (items.size() > kSelectorCount) {
    *error = QStringLiteral("--select takes at most 7 items, got %1").arg(items.size());
    return std::nullopt;
  }
  SelectorTexts texts;
  for (int k = 1; k <= kSelectorCount; ++k) {
    const QString label = QLatin1Char('B') + QString::number(k);
    if (k > items.size()) {
      texts[static_cast<size_t>(k - 1)] = label;
      continue;
    }
    const QString& text = items[k - 1];
    if (!item.match(text).hasMatch()) {
      *error = QStringLiteral("--select item %1 \"%2\" is not one or two digits, empty or \"--\"").arg(k).arg(text);
      return std::nullopt;
    }
    texts[static_cast<size_t>(k - 1)] = text == QLatin1String("--") ? label : text;
  }
  return texts;
}

namespace report_tool_detail {

// Applies one option that takes a value; returns an error text or nothing.
inline QString ApplyOption(const QString& name, const QString& value, ReportToolOptions& options) {
  if (name == QLatin1String("--format")) {
    const std::optional<ExportFormat> format = ParseExportFormat(value);
    if (!format) return QStringLiteral("unknown format \"%1\" (raw, ansi, html or json)").arg(value);
    options.format = *format;
  } else if (name == QLatin1String("--select")) {
    QString error;
    options.selection = ParseSelection(value, &error);
    if (!options.selection) return error;
  } else if (name == QLatin1String("--combinations")) {
    if (value.isEmpty()) return QStringLiteral("--combinations needs a file name");
    options.combinationsFile = value;
  } else {  // --seed
    bool ok = false;
    const uint seed = value.toUInt(&ok);
    if (!ok) return QStringLiteral("--seed needs a whole number from 0 to 4294967295, got \"%1\"").arg(value);
    options.seed = seed;
  }
  return QString();
}

}  // namespace report_tool_detail

// Reads the arguments that follow the program name.
inline ParsedCommandLine ParseCommandLine(const QStringList& args) {
  static const QStringList valued{QStringLiteral("--format"), QStringLiteral("--select"),
                                  QStringLiteral("--combinations"), QStringLiteral("--seed")};
  ParsedCommandLine parsed;
  ReportToolOptions& options = parsed.options;
  QStringList positional;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      options.help = true;
      return parsed;
    }
    QString name = arg;
    std::optional<QString> value;
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    if (arg.startsWith(QLatin1String("--")) && equals > 2) {
      name = arg.left(equals);
      value = arg.mid(equals + 1);
    }
    if (valued.contains(name)) {
      if (!value) {
        // The value is the next argument as it stands, even when it starts with "--".
        if (i + 1 >= args.size()) {
          parsed.error = QStringLiteral("%1 needs a value").arg(name);
          return parsed;
        }
        value = args[++i];
      }
      parsed.error = report_tool_detail::ApplyOption(name, *value, options);
      if (!parsed.error.isEmpty()) return parsed;
    } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      parsed.error = QStringLiteral("unknown option \"%1\"").arg(arg);
      return parsed;
    } else {
      positional.append(arg);
    }
  }
  if (positional.size() != 2) {
    parsed.error = QStringLiteral("expected HISTORY_FILE and REPORT, got %1 argument(s)").arg(positional.size());
    return parsed;
  }
  options.historyFile = positional[0];
  const std::optional<int> pane = ResolveReport(positional[1]);
  if (!pane) {
    parsed.error = QStringLiteral("unknown report \"%1\" (see --help)").arg(positional[1]);
    return parsed;
  }
  options.pane = *pane;
  return parsed;
}

inline QString UsageLine() {
  return QStringLiteral(
      "usage: tombolix-report [--format raw|ansi|html|json] [--select S1,...,S7] [--combinations FILE.CMB] "
      "[--seed N] HISTORY_FILE REPORT\n");
}

inline QString HelpText() {
  QString help = UsageLine();
  help += QStringLiteral(
      "\nLoads HISTORY_FILE as Tombolix does, performs what computes the report in the program\n"
      "(with what the program runs before it) and prints the report. It writes no file.\n"
      "\nOptions:\n"
      "  --format F          raw: the text, marks included (default); ansi: coloured for a terminal,\n"
      "                      marks hidden; html: a standalone page; json: text and colour runs\n"
      "  --select S1,...,S7  the texts of the selectors B1..B7: one or two digits for a chosen number,\n"
      "                      an empty item for an emptied selector, \"--\" or a missing item for one\n"
      "                      still showing its label; with report 0 it runs the BUSCAR search\n"
      "  --combinations F    the combination list the back-test replays (panes 14 and 15)\n"
      "  --seed N            seed of the generator when no list is given\n"
      "  -h, --help          this text\n"
      "\nREPORT is a pane number or a name:\n");
  for (int pane = 0; pane < kPaneCount; ++pane) {
    help += QStringLiteral("  %1  %2\n").arg(pane, 2).arg(QLatin1String(kReportNames[static_cast<size_t>(pane)]));
  }
  help += QStringLiteral(
      "\nExit status: 0 the report was printed; 2 bad command line, unreadable history file, a\n"
      "precondition of the program failed (its message goes to standard error) or the report is\n"
      "not available; 3 the history was rejected (pane 0, the reason, is printed).\n");
  return help;
}

}  // namespace tombolix
