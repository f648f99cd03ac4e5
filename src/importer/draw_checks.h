#pragma once

#include "importer/csv_table.h"
#include "importer/import_analysis.h"

namespace tombolix {

inline constexpr qsizetype kMaxDrawNumbers = 7;

// Reads the rows from `first` on with the columns and date order of `out`,
// reports what is wrong with them (unreadable rows, dates in another form,
// numbers above 99 or outside the range seen, a change of the count of
// numbers, repeated dates), sorts the draws oldest first and, when nothing is
// wrong, leaves the history text in `out`, checked by the history loader.
// False when `progress` cancelled.
bool CheckDraws(ImportAnalysis& out, const ImportTable& table, qsizetype first, const ImportProgress& progress);

}  // namespace tombolix
