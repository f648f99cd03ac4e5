#pragma once

#include "importer/date_forms.h"
#include "importer/import_types.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QStringList>
#include <QVector>

#include <optional>

namespace tombolix {

// What the importer found in a results file, and the history text made from it.
struct ImportAnalysis {
  bool cancelled = false;
  QChar separator;
  int columnCount = 0;
  QStringList header;            // the header line's fields; empty without one
  QVector<QStringList> preview;  // the first data rows, split into fields
  int dateColumn = -1;           // as guessed or chosen
  QVector<int> numberColumns;    // as guessed or chosen
  std::optional<DateOrder> dateOrder;
  QVector<ImportProblem> problems;  // oldest line first; capped, with a last line saying how many more
  qsizetype drawCount = 0;
  // The history in the program's own format (dd/mm/yyyy, ",", CR LF,
  // Windows-1252), oldest draw first, checked by loading it back. Empty while
  // there is an error.
  QByteArray historyText;

  bool HasErrors() const;
};

inline constexpr qsizetype kImportPreviewRows = 20;

// Decodes, splits, guesses what the user left open, checks every row and, when
// nothing stops it, makes the history text. Never writes anything.
ImportAnalysis AnalyseImport(QByteArrayView bytes, const ImportOptions& options, const ImportProgress& progress = {});

}  // namespace tombolix

namespace tombolix {

// One problem as a line of the report: "Línea 12: ..." ("Aviso, línea 12: ..." for a warning).
QString ProblemLine(const ImportProblem& problem);
// What was recognised, in one line: separator, header, date column and form, number columns, draws.
QString LayoutSummary(const ImportAnalysis& analysis);

}  // namespace tombolix
