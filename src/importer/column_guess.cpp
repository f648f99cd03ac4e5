#include "importer/column_guess.h"

#include "importer/date_forms.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr qsizetype kSampleRows = 1000;

bool HoldsLetter(const QList<QStringView>& fields) {
  return std::any_of(fields.begin(), fields.end(), [](QStringView f) {
    return std::any_of(f.begin(), f.end(), [](QChar c) { return c.isLetter(); });
  });
}

bool HoldsDate(const QList<QStringView>& fields) {
  return std::any_of(fields.begin(), fields.end(), [](QStringView f) { return ReadDate(f).orders != 0; });
}

QStringView Field(const ImportRow& row, int column) {
  return column < row.fields.size() ? row.fields[column] : QStringView();
}

// A column whose values step by exactly +1 or -1 from row to row counts draws.
// A few rows may do so by chance, so it takes ten.
bool IsRunningCount(const QVector<int>& values) {
  if (values.size() < 10) return false;
  const int step = values[1] - values[0];
  if (step != 1 && step != -1) return false;
  for (qsizetype i = 2; i < values.size(); ++i) {
    if (values[i] - values[i - 1] != step) return false;
  }
  return true;
}

}  // namespace

bool IsDrawNumber(QStringView field, int* value) {
  if (field.isEmpty() || field.size() > 3) return false;
  int v = 0;
  for (const QChar c : field) {
    if (c < u'0' || c > u'9') return false;
    v = v * 10 + (c.unicode() - u'0');
  }
  if (value) *value = v;
  return true;
}

ColumnGuess GuessColumns(const ImportTable& table) {
  ColumnGuess guess;
  if (table.rows.isEmpty()) return guess;
  guess.hasHeader = HoldsLetter(table.rows.front().fields) && !HoldsDate(table.rows.front().fields);
  const qsizetype first = guess.hasHeader ? 1 : 0;
  const qsizetype last = std::min(table.rows.size(), first + kSampleRows);
  const qsizetype sample = last - first;
  if (sample <= 0) return guess;

  int bestDates = 0;
  for (int c = 0; c < table.columnCount; ++c) {
    int dates = 0;
    for (qsizetype r = first; r < last; ++r) dates += ReadDate(Field(table.rows[r], c)).orders != 0 ? 1 : 0;
    if (dates > bestDates && dates * 2 >= sample) {
      bestDates = dates;
      guess.dateColumn = c;
    }
  }
  for (int c = 0; c < table.columnCount; ++c) {
    if (c == guess.dateColumn) continue;
    QVector<int> values;
    for (qsizetype r = first; r < last; ++r) {
      int v = 0;
      if (IsDrawNumber(Field(table.rows[r], c), &v)) values.append(v);
    }
    if (values.size() * 2 > sample && !IsRunningCount(values)) guess.numberColumns.append(c);
  }
  return guess;
}

}  // namespace tombolix
