#include "importer/table_layout.h"

#include "importer/date_forms.h"

#include <QHash>
#include <QString>

#include <algorithm>

namespace tombolix {

namespace {

// Rows read at each end of the file to find the date column.
constexpr qsizetype kEndRows = 1000;

bool DateAt(const RowFields& fields, int column) {
  return column >= 0 && column < fields.size() && ReadDate(QString::fromUtf8(fields[column])).orders != 0;
}

bool HoldsLetter(const RowFields& fields) {
  return std::any_of(fields.begin(), fields.end(), [](QByteArrayView f) {
    return std::any_of(f.begin(), f.end(), [](char c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || (c & 0x80); });
  });
}

int GuessDateColumn(const ImportTable& table) {
  QHash<int, qsizetype> dates;
  RowFields fields;
  QByteArray scratch;
  const qsizetype n = table.rows.size();
  for (qsizetype r = 0; r < n; ++r) {
    if (r == kEndRows && n - kEndRows > r) r = n - kEndRows;
    SplitRow(table, table.rows[r], fields, scratch);
    for (int c = 0; c < std::min<qsizetype>(fields.size(), 64); ++c) dates[c] += DateAt(fields, c);
  }
  int best = -1;
  qsizetype bestCount = 0;
  for (auto it = dates.cbegin(); it != dates.cend(); ++it) {
    if (it.value() > bestCount || (it.value() == bestCount && it.value() > 0 && it.key() < best)) {
      best = it.key();
      bestCount = it.value();
    }
  }
  return best;
}

QString RowText(const ImportTable& table, const TableRow& row) {
  return QString::fromUtf8(QByteArrayView(table.text).sliced(row.start, row.end - row.start)).left(60);
}

// In a fixed-width export the header's words need not split as the data do:
// each column takes the header text above the place its first value starts.
QStringList HeaderByPlace(const ImportTable& table, const TableRow& header, const TableRow& data) {
  RowFields fields;
  QByteArray scratch;
  SplitRow(table, data, fields, scratch);
  const QByteArrayView line = QByteArrayView(table.text).sliced(header.start, header.end - header.start);
  QStringList names;
  for (qsizetype c = 0; c < fields.size(); ++c) {
    const qsizetype from = c == 0 ? 0 : fields[c].data() - table.text.constData() - data.start;
    const qsizetype to = c + 1 < fields.size() ? fields[c + 1].data() - table.text.constData() - data.start : line.size();
    const qsizetype a = std::clamp<qsizetype>(from, 0, line.size());
    const qsizetype b = std::clamp<qsizetype>(to, a, line.size());
    names.append(QString::fromUtf8(line.sliced(a, b - a)).simplified());
  }
  return names;
}

}  // namespace

FoundLayout FindLayout(const ImportTable& table, int dateColumn) {
  FoundLayout found;
  TableLayout& layout = found.layout;
  layout.dateColumn = dateColumn >= 0 ? dateColumn : GuessDateColumn(table);
  const qsizetype n = table.rows.size();
  RowFields fields;
  QByteArray scratch;
  qsizetype first = -1;
  qsizetype last = -1;
  for (qsizetype r = 0; r < n && first < 0; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    if (fields.size() >= 2 && DateAt(fields, layout.dateColumn)) first = r;
  }
  for (qsizetype r = n - 1; r >= 0 && r >= first && last < 0; --r) {
    SplitRow(table, table.rows[r], fields, scratch);
    if (fields.size() >= 2 && DateAt(fields, layout.dateColumn)) last = r;
  }
  if (first < 0) {
    // No row has a date: every row is data, so that the user sees them and the errors name them.
    first = 0;
    last = n - 1;
    if (n > 1) {
      SplitRow(table, table.rows[0], fields, scratch);
      if (HoldsLetter(fields)) {
        layout.headerRow = 0;
        first = 1;
      }
    }
  } else if (first > 0) {
    SplitRow(table, table.rows[first - 1], fields, scratch);
    if (HoldsLetter(fields) && !DateAt(fields, layout.dateColumn)) layout.headerRow = first - 1;
  }
  layout.firstRow = first;
  layout.endRow = last + 1;
  for (qsizetype r = 0; r < first; ++r) {
    if (r == layout.headerRow) continue;
    found.skipped.append({table.rows[r].line, QStringLiteral("se omite la línea de título «%1»").arg(RowText(table, table.rows[r])), false});
  }
  for (qsizetype r = last + 1; r < n; ++r) {
    found.skipped.append({table.rows[r].line, QStringLiteral("se omite la línea final «%1»").arg(RowText(table, table.rows[r])), false});
  }
  int columns = 0;
  for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    columns = std::max<int>(columns, static_cast<int>(fields.size()));
  }
  layout.columnCount = columns;
  if (layout.headerRow >= 0) {
    const TableRow& header = table.rows[layout.headerRow];
    SplitRow(table, header, fields, scratch);
    for (const QByteArrayView f : fields) found.header.append(QString::fromUtf8(f));
    if (table.separator == 0 && found.header.size() != columns && layout.firstRow < layout.endRow) {
      found.header = HeaderByPlace(table, header, table.rows[layout.firstRow]);
    }
    // A header repeated inside the data (a page break of some exports) is skipped.
    const QByteArrayView headerText = QByteArrayView(table.text).sliced(header.start, header.end - header.start);
    for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
      const TableRow& row = table.rows[r];
      if (QByteArrayView(table.text).sliced(row.start, row.end - row.start) == headerText) {
        found.repeatedHeaders.append(r);
        found.skipped.append({row.line, QStringLiteral("se omite el encabezado repetido"), false});
      }
    }
  }
  return found;
}

}  // namespace tombolix
