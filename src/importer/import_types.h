#pragma once

#include "importer/date_forms.h"

#include <QString>
#include <QVector>

#include <functional>
#include <optional>

namespace tombolix {

// How the bytes of a results file are read. Auto recognises a byte-order
// mark, then UTF-16 by its NUL bytes, then valid UTF-8, else Windows-1252.
enum class ImportEncoding { Auto, Utf8, Windows1252, Utf16LE, Utf16BE };

// One finding about the file: its line (1-based; 0 for the file as a whole) and
// the reason, in the program's words. Errors stop the import; warnings do not.
struct ImportProblem {
  qsizetype line = 0;
  QString reason;
  bool error = true;
};

// Called now and then with the share of the work done (0..100); returning
// false cancels the import.
using ImportProgress = std::function<bool(int percent)>;

// What the user chose; -1, an empty list and no order leave the choice to the guess.
struct ImportOptions {
  ImportEncoding encoding = ImportEncoding::Auto;
  int dateColumn = -1;         // 0-based
  QVector<int> numberColumns;  // 0-based, in the order the numbers are written
  std::optional<DateOrder> dateOrder;
};

}  // namespace tombolix
