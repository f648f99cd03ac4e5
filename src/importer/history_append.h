#pragma once

#include "importer/imported_draw.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

namespace tombolix {

// What adding the newer draws of an import to an existing history would write.
struct AppendPlan {
  // The whole new file: the existing bytes unchanged, the new lines right after
  // the last draw (blank lines ending the file stay at its end); empty when refused.
  QByteArray text;
  qsizetype newDraws = 0;  // draws appended
  qsizetype overlap = 0;   // imported draws that were already in the history (and agreed)
  QStringList errors;      // in Spanish; any error: nothing may be written
  QStringList warnings;    // in Spanish
};

// Plans adding to the history `existing` (its bytes) the draws of `imported`
// (oldest first) dated after its last draw, each line written in the form of
// the history's last line. The draws both have must agree (date, numbers and
// their order); draws older than the history are left out with a warning. The
// new text is loaded back with the program's loader before it is offered.
AppendPlan PlanAppend(const QByteArray& existing, const QVector<ImportedDraw>& imported);

}  // namespace tombolix
