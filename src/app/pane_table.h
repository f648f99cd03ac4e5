#pragma once

#include "app/command.h"
#include "reports/colour_marks.h"
#include "reports/panes.h"
#include "reports/step_hooks.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace tombolix {

struct History;
struct HistoryView;
struct WindowModel;
class ReportText;
class TombolixApp;

// What a pane's computation works with: the draws it started with (a snapshot
// that stays valid while the window yields), the window's state (selector
// lists, the arrays analyses leave for each other), the pane's report and the
// step hooks.
struct PaneJob {
  const History& history;
  WindowModel& model;
  ReportText& report;
  StepHooks& hooks;
  bool replayed = false;  // set by a computation that chose to replay (finishes as Finish::Replay)
};
using PaneCompute = AnalysisOutcome (*)(PaneJob&);
// A pane written by a routine of the window (the searches, the AI summary),
// which runs its own busy state and colour passes.
using PaneRoutine = void (*)(TombolixApp&);

// What must hold before a list row opens its pane.
enum class Precondition {
  None,
  MoreThan100Draws,  // message TxtFaltanSorteos titled with the row, then LIMPIAR
};

// What follows a pane's computation before the window goes idle.
enum class Finish {
  Plain,
  // A replay rebuilt the selector lists from fewer draws: they are rebuilt
  // from the whole history, their texts put back, and the window beeps.
  Replay,
};

// Everything the program knows about one report pane.
struct PaneRow {
  int pane;
  const char* toolName;  // the report tool's name for it
  int listRow;           // the analysis-list row that opens it (an M2 pane: its M1's row); -1 none
  int command;           // the command that opens it (Command index); -1 none
  int titleMessage;      // MessageId of its title; -1: titleText
  const char16_t* titleText;
  int partner;       // the other map of its pair; -1 for a single pane
  bool isM2;         // the second map of a pair
  bool escapeStops;  // Escape asks its computation to stop
  PaneColouring colouring;
  Precondition precondition;
  PaneCompute compute;  // its computation; nullptr: see routine
  PaneRoutine routine;  // the window routine that writes it; nullptr: none (or a command's own)
  Finish finish;
  bool aiSource;  // computed by ANÁLISIS iA before its summary (in pane order)
};

// The 22 rows, indexed by pane.
std::span<const PaneRow> PaneTable();
const PaneRow& PaneInfo(int pane);
bool IsPaneIndex(int pane);
bool IsMapPane(int pane);
bool IsM2Pane(int pane);
// The pane a list row opens (the M1 pane of a pair); nothing for other rows.
const PaneRow* PaneForListRow(int row);
// A pane by its report-tool name.
std::optional<int> PaneForToolName(QStringView name);
// The report's name as the window titles it: "Tombolix - Frecuencia",
// "... M2" for the second map of a pair, the program caption for the start pane.
QString PaneTitle(int pane);

}  // namespace tombolix
