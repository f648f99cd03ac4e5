#pragma once

// Command line of tombolix-report: the options, the report names and the help text.

#include "reports/report_export.h"
#include "wheel_options.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tombolix {

// Exit codes of the tool: the usual sysexits meanings where the tool has no
// reason of its own.
enum ReportExit : int {
  kExitOk = 0,
  kExitFailed = 2,        // a precondition of the program failed; its message is on stderr
  kExitRejected = 3,      // the history was rejected; pane 0, the reason, is printed
  kExitListRejected = 4,  // a combination list file was rejected
  kExitUsage = 64,        // a bad command line
  kExitNoInput = 66,      // a file that cannot be read
  kExitUnavailable = 69,  // the report is not available in this build
};

inline constexpr int kSelectorCount = 7;
// The report that checks the player's tickets (--tickets) rather than showing a pane.
inline constexpr char kTicketsReportName[] = "jugadas";
// Selector texts B1..B7 as the user left them.
using SelectorArguments = std::array<QString, kSelectorCount>;

struct ReportToolOptions {
  bool help = false;
  ExportFormat format = ExportFormat::Raw;
  std::optional<SelectorArguments> selection;
  QString combinationsFile;
  QString saveCombinationsFile;
  std::optional<quint32> seed;
  int baselineLists = 0;  // --baseline N: compare the back-tested list with N random lists
  QString historyFile;
  int pane = 0;
  bool wheelReport = false;  // the report "reduccion": a wheel, not a pane
  WheelArguments wheel;
  // Report "jugadas": the tickets in this file checked against the history.
  QString ticketsFile;
  bool ticketsReport = false;
  std::optional<bool> inPosition;  // --match: the matching rule, else the game's own
  int prizeThreshold = 0;          // --prize: matches from which a draw counts, else the game's own
};

struct ParsedCommandLine {
  ReportToolOptions options;
  QString error;  // empty when the command line is valid
};

// Reads the arguments that follow the program name.
ParsedCommandLine ParseCommandLine(const QStringList& args);
// A pane number 0..21 or a report name; nothing when neither.
std::optional<int> ResolveReport(const QString& report);
// "S1,...,S7": one or two digits for a chosen number, an empty item for an
// emptied selector, "--", a missing item or the label "Bk" itself for a
// selector showing its label.
std::optional<SelectorArguments> ParseSelection(const QString& value, QString* error);

QString UsageLine();
QString HelpText();

}  // namespace tombolix
