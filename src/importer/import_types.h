#pragma once

#include <QString>
#include <QVector>

#include <functional>

namespace tombolix {

// The encodings the user may pick for a downloaded results file. A UTF-16 file
// is recognised whatever the pick.
enum class ImportEncoding { Utf8, Windows1252 };

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

// What the user chose; -1 and an empty list leave the choice to the guess.
struct ImportOptions {
  ImportEncoding encoding = ImportEncoding::Utf8;
  int dateColumn = -1;         // 0-based
  QVector<int> numberColumns;  // 0-based, in the order the numbers are written
};

}  // namespace tombolix
