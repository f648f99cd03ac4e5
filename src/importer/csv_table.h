#pragma once

#include "importer/import_types.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>
#include <QVector>

namespace tombolix {

// One non-blank line of the file, split into fields (spaces and enclosing
// double quotes removed). The fields view the decoded text, which must outlive
// the table: a large file is not copied field by field.
struct ImportRow {
  qsizetype line = 0;
  QList<QStringView> fields;
  bool mixed = false;  // holds another separator: reported once, not read
};

struct ImportTable {
  QChar separator;                  // null when no line holds a comma, semicolon or tab
  QVector<ImportRow> rows;          // the non-blank lines, in file order
  int columnCount = 0;              // the field count most lines have
  QVector<ImportProblem> problems;  // lines that use another separator
  bool cancelled = false;
};

// Splits the text into lines and fields. The separator is the one of comma,
// semicolon and tab found on the most lines; a line that holds another of them
// is reported. Reports progress every few thousand lines.
ImportTable SplitTable(QStringView text, const ImportProgress& progress);

// A name for the separator in messages: "coma", "punto y coma", "tabulador".
QString SeparatorName(QChar separator);

}  // namespace tombolix
