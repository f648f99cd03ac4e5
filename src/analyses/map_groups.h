#pragma once

#include "reports/step_hooks.h"
#include "history/history.h"
#include "reports/report_text.h"

#include <QChar>
#include <QStringList>

namespace tombolix {

// How a map M2 walks the rows its map M1 left and which marks can match.
struct GroupRule {
  // True when the newest row is the last element (rows stored oldest first):
  // both passes then run from the last element to the first.
  bool newestLast = false;
  // A mark that never counts as a match (QChar() when every mark counts).
  QChar ignoredMark;
};

// Map M1 of a class map: the last `analysisWindow` draws, newest first, one
// draw line each with every number marked classOf(number); the rows are also
// kept, newest first, in `rows` (which starts afresh) for map M2. Ends with an
// empty line. One step per draw.
void ClassMapM1(const HistoryView& view, int analysisWindow, QChar (*classOf)(quint8), QStringList& rows,
                ReportText& report, StepHooks& hooks);

// Groups the draw-line rows of a map M1 by their marks and writes the groups:
// each group starts with the first non-empty row (newest first) and takes every
// later-examined row whose marks agree with that first row at more than
// positionCount / 2 positions. A group of two or more rows is appended as its
// rows joined by line breaks and followed by two line breaks; a row that joins
// no group is not shown. Every row examined is emptied, so a second run finds
// nothing. Calls hooks.Step() once per row.
void GroupMapRows(QStringList& rows, int positionCount, GroupRule rule, ReportText& report, StepHooks& hooks);

// Positions 1..positionCount at which two draw lines carry the same mark; a mark
// missing from either line, or equal to `ignoredMark`, never counts.
int MatchingMarks(const QString& a, const QString& b, int positionCount, QChar ignoredMark);

}  // namespace tombolix
