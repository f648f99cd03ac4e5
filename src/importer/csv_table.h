#pragma once

#include "importer/import_types.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVarLengthArray>
#include <QVector>

namespace tombolix {

// One row of a results file: a non-blank line, or several when a quoted field
// holds line breaks. Offsets are bytes of the UTF-8 text; `end` excludes the
// line end.
struct TableRow {
  quint32 start = 0;
  quint32 end = 0;
  quint32 line = 0;  // 1-based line of the file where the row starts
};

struct ImportTable {
  QByteArray text;       // the whole decoded text, UTF-8; the rows view it
  char separator = 0;    // ',', ';' or '\t'; 0: columns separated by runs of blanks
  bool excelSeparatorLine = false;  // a first line "sep=X" named the separator
  QVector<TableRow> rows;
  bool cancelled = false;
};

// Rows longer than this many fields are cut there (a line of junk must not
// cost memory in proportion to its length).
inline constexpr int kMaxFields = 256;

using RowFields = QVarLengthArray<QByteArrayView, 32>;

// The text between rows, split as RFC 4180 describes: quoted fields may hold the
// separator, doubled quotes and line breaks; an opening quote without its
// closing one within a reasonable distance is an ordinary character. The
// separator is the one of comma, semicolon and tab that gives the table with
// a date column, named by an Excel "sep=" first line when there is one, or runs
// of blanks (a fixed-width text export).
ImportTable SplitTable(QByteArray utf8, const ImportProgress& progress);

// The fields of one row, trimmed of blanks, enclosing quotes removed and
// doubled quotes undone (into `scratch`, which must live as long as the
// fields). In a fixed-width table the words that make one date ("Wed. Sep 04,
// 2019") are one field. Returns false when the row had more than kMaxFields.
bool SplitRow(const ImportTable& table, const TableRow& row, RowFields& fields, QByteArray& scratch);

// A name for the separator in messages: "coma", "punto y coma", "tabulador", "espacios".
QString SeparatorName(char separator);

}  // namespace tombolix
