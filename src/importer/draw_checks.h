#pragma once

#include "importer/csv_table.h"
#include "importer/import_analysis.h"
#include "importer/table_layout.h"

namespace tombolix {

inline constexpr int kMaxDrawNumbers = 7;

// Reads every data row with the columns and date order of `out`: reports
// what is wrong with a row (a date that is not one or in another form, a
// number that is not one or above 99), drops rows that repeat another whole,
// skips a last draw not yet held, puts the draws in the order drawn and
// reports a change of the count of numbers and one date with the same
// numbers twice. Leaves the draws in `out` (oldest first). False when
// `progress` cancelled.
bool ReadDraws(ImportAnalysis& out, const ImportTable& table, const FoundLayout& found, const ImportProgress& progress);

}  // namespace tombolix
