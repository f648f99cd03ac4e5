#pragma once

#include "importer/column_roles.h"
#include "importer/date_forms.h"
#include "importer/import_types.h"
#include "importer/imported_draw.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <optional>

namespace tombolix {

// What the importer found in a results file, and the history text made from it.
struct ImportAnalysis {
  bool cancelled = false;
  ImportEncoding encoding = ImportEncoding::Utf8;  // as recognised or chosen
  char separator = 0;
  bool excelSeparatorLine = false;
  int columnCount = 0;
  qsizetype headerLine = 0;      // 1-based; 0 without a header
  QStringList header;            // the header's fields by column; empty without one
  QVector<QStringList> preview;  // the first data rows, split into fields
  int dateColumn = -1;           // as guessed or chosen
  QVector<int> numberColumns;    // the ball columns, as guessed or chosen
  QVector<ImportColumn> columns;  // every column with what it was taken for
  std::optional<DateOrder> dateOrder;
  QString dateOrderReason;
  bool dateOrderAsked = false;   // both date forms fit: the user must choose
  QVector<ImportProblem> problems;  // errors first, then warnings; capped, never hiding an error
  QVector<ImportedDraw> draws;   // oldest first; empty while there is an error
  qsizetype drawCount = 0;
  // The history in the program's own format (dd/mm/yyyy, ",", CR LF,
  // Windows-1252), oldest draw first, checked by loading it back. Empty while
  // there is an error.
  QByteArray historyText;

  bool HasErrors() const;
};

inline constexpr qsizetype kImportPreviewRows = 20;
inline constexpr qsizetype kMaxImportProblems = 200;

// Decodes, splits, judges the columns, reads every row and, when nothing stops
// it, makes the history text. Never writes anything.
ImportAnalysis AnalyseImport(QByteArray bytes, const ImportOptions& options, const ImportProgress& progress = {});

// One problem as a line of the report: "Línea 12: ..." ("Aviso, línea 12: ..." for a warning).
QString ProblemLine(const ImportProblem& problem);
// What was recognised: encoding, separator, header, date column and form, the
// ball columns, the columns left out (with their header and a sample), draws.
QStringList LayoutSummary(const ImportAnalysis& analysis);

}  // namespace tombolix
