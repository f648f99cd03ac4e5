#pragma once

#include "importer/column_roles.h"
#include "importer/csv_table.h"

#include <QStringList>
#include <QVector>

namespace tombolix {

struct FoundLayout {
  TableLayout layout;
  QStringList header;                // the header's fields by column; empty without one
  QVector<ImportProblem> skipped;    // title lines, repeated headers, summary lines: warnings
  QVector<qsizetype> repeatedHeaders;  // rows inside the data that repeat the header line
};

// Finds the date column (the one with the most dates; `dateColumn` when the
// user chose it), the data rows (from the first to the last row with a date
// there), the header (the row just above the data, with letters and no date),
// and the lines above and below the data that are skipped.
FoundLayout FindLayout(const ImportTable& table, int dateColumn);

}  // namespace tombolix
