#pragma once

#include "analyses/replay_map.h"
#include "history/history.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

namespace tombolix {

// Draws the play-pattern comparison looks at: the newest 300 (all of a shorter history).
inline constexpr int kPatternWindow = 300;

// "Patrón de Jugadas": for every reference draw R among the last 300, newest
// first, the block of draws of the same window (newest first) that have the
// same number as R at three or more positions, each as a draw line whose marks
// read "+" for a position equal to R's and "&" for one that differs ("-" at
// every position for R itself and any draw identical to it). A block of three
// lines or more is appended followed by one more line break. When no block
// qualifies (always, with two positions) the report is the "no pattern" line.
// One step per reference, with the stop check and progress
// (DrawCount - R) * 97 / 300; returns Stopped at once, leaving what was
// written so far.
AnalysisOutcome PatronJugadas(const HistoryView& view, ReportText& report, StepHooks& hooks);

}  // namespace tombolix
