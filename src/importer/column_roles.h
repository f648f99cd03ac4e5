#pragma once

#include "importer/csv_table.h"

#include <QString>
#include <QVector>

#include <cstdint>

namespace tombolix {

// What a column of a results file is taken for. Only Balls columns are written
// into the history; every other non-empty column is named in the report.
enum class ColumnRole : std::uint8_t {
  Empty,
  Date,
  Balls,
  Counter,     // counts draws, up or down, restarting or not
  Refund,      // "Reintegro"
  Multiplier,  // "Power Play"
  Money,       // jackpots, prizes
  Prizes,      // winners or prizes per category
  Constant,    // the same value on every row
  Text,        // a draw name, a weekday, a comment
  Time,
  Large,       // numbers above 99 on many rows
  Repeat,      // repeats the numbers of other columns of the row
  Unchosen,    // numbers, but the user chose other columns
  Machine,     // the draw machine or ball set
  Statistic,   // a figure about the draw: odd/even, sum
  Game,        // which game the row is of
};

struct ImportColumn {
  int index = 0;
  QString header;  // empty without a header line
  ColumnRole role = ColumnRole::Empty;
  QString sample;     // a value of the column, for the report
  QString other;      // another value, when the column holds more than one
  int perCell = 1;    // Balls: numbers a cell holds (the most seen)
  bool digits = false;  // Balls: each cell is a string of digits, one number per digit ("047")
};

// The reason a column is left out, for the report: "contador de sorteos", "dinero"...
QString RoleName(ColumnRole role);

// The layout found before the columns are judged: which rows are data.
struct TableLayout {
  qsizetype headerRow = -1;  // index into table.rows; -1 without a header
  qsizetype firstRow = 0;    // the data rows: [firstRow, endRow)
  qsizetype endRow = 0;
  int dateColumn = -1;
  int columnCount = 0;
};

// Judges every column other than the date column on all data rows, by its
// header words and its values. `forced` columns (the user's choice) are balls
// whatever they hold; empty, the balls are guessed.
QVector<ImportColumn> JudgeColumns(const ImportTable& table, const TableLayout& layout, const QStringList& header,
                                   const QVector<int>& forced);

// Which of the ball columns only repeat the numbers of the other ball columns
// of their row, on every row (a "winning number" beside its digits): set to Repeat.
void MarkRepeats(const ImportTable& table, const TableLayout& layout, QVector<ImportColumn>& columns);

// Ball numbers a cell gives in its column: false when the cell is not empty and
// holds no such numbers. `values` gets them in order.
bool BallsOfCell(const ImportColumn& column, QByteArrayView cell, QVarLengthArray<int, 16>& values);

}  // namespace tombolix
