#pragma once

// The options of the report "reduccion" of tombolix-report.

#include <QString>

#include <optional>
#include <vector>

class QCommandLineParser;

namespace tombolix {

inline constexpr char kWheelReportName[] = "reduccion";

struct WheelArguments {
  std::vector<int> chosen;  // --wheel
  int hits = 0;             // --guarantee t/m
  int drawnAmongChosen = 0;
  std::optional<int> ticketSize;  // --ticket-size; the game's count of numbers drawn by default
  std::vector<int> fixed;         // --fixed
  int seconds = 3;                // --seconds
  bool any = false;               // one of these options was given
};

void AddWheelOptions(QCommandLineParser& parser);
// Reads the options into `wheel`; the error when one is malformed, else empty.
QString ApplyWheelOptions(const QCommandLineParser& parser, WheelArguments& wheel);
// The lines of --help about the report.
QString WheelOptionsHelp();

}  // namespace tombolix
