#pragma once

#include "history/history.h"
#include "importer/imported_draw.h"

#include <QStringList>
#include <QVector>

namespace tombolix {

// Compares the imported draws [from, to) (oldest first, dated within the
// history) with the history's draws dated from the first imported draw on
// (`keys`: their dates as yyyymmdd), in order: the same dates, and on each the
// same numbers in the same order. Adds a Spanish message to `errors` for each
// disagreement (a few, then their count) and returns how many draws agreed.
qsizetype CompareOverlap(const History& history, const QVector<int>& keys, const QVector<ImportedDraw>& imported,
                         qsizetype from, qsizetype to, QStringList& errors);

}  // namespace tombolix
