#pragma once

#include "importer/csv_table.h"

#include <QVector>

namespace tombolix {

struct ColumnGuess {
  bool hasHeader = false;      // the first row is a header line
  int dateColumn = -1;         // -1: no column holds dates
  QVector<int> numberColumns;  // the columns that hold draw numbers
};

// Whether a field is a whole number of one to three digits.
bool IsDrawNumber(QStringView field, int* value = nullptr);

// Looks at the first rows of the table: the first row is a header when it
// holds a letter and no date; the date column is the one with the most dates;
// the number columns are the others that mostly hold numbers up to 999, except
// a running count of draws (values that go up or down by one on every row).
ColumnGuess GuessColumns(const ImportTable& table);

}  // namespace tombolix
