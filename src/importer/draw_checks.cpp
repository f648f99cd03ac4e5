#include "importer/draw_checks.h"

#include "importer/date_forms.h"

#include <QDate>
#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>

namespace tombolix {

namespace {

constexpr qsizetype kRowsPerStep = 1 << 15;
// Below this many draws a rare number proves nothing about the game's range.
constexpr qsizetype kRangeMinDraws = 50;

// What a draw needs beside its numbers to be put in order and compared with
// the draws of its date; the rest is read again from its row when needed.
struct DrawSource {
  quint32 row = 0;      // index into the table's rows
  qint32 within = 0;    // order among the draws of one date: draw number or time
  bool allZero = false;  // every number 0: perhaps a draw not yet held
};

struct Reader {
  ImportAnalysis& out;
  const ImportTable& table;
  const FoundLayout& found;
  QVector<int> balls;  // ball columns in file order
  int counterColumn = -1;
  int timeColumn = -1;
  QVector<int> tags;   // columns that tell two draws of one date apart
  QVector<ImportedDraw> draws;
  QVector<DrawSource> sources;
  QVector<qsizetype> empty;  // rows without any number: index into the table's rows
  RowFields fields;
  QByteArray scratch;
  int lastPastKey = LastPastDrawKey(QDate::currentDate());  // the clock asked once, not once a row

  void Error(qsizetype line, const QString& reason) { out.problems.append({line, reason, true}); }
  void Warn(qsizetype line, const QString& reason) { out.problems.append({line, reason, false}); }
  QString ColumnLabel(int column) const;
  bool ReadRow(qsizetype r);
  bool ReadDateOf(const TableRow& row, ImportedDraw& draw);
  bool ReadNumbersOf(const TableRow& row, ImportedDraw& draw, DrawSource& source, bool& none);
};

QString Reader::ColumnLabel(int column) const {
  const QString& header = out.columns[column].header;
  return header.isEmpty() ? QStringLiteral("columna %1").arg(column + 1)
                          : QStringLiteral("columna %1 «%2»").arg(column + 1).arg(header);
}

// Minutes after midnight of the first "hh:mm" in the text; -1 without one.
int MinutesIn(QByteArrayView text) {
  const qsizetype colon = text.indexOf(':');
  if (colon < 1 || colon + 2 >= text.size()) return -1;
  qsizetype from = colon;
  while (from > 0 && from > colon - 2 && text[from - 1] >= '0' && text[from - 1] <= '9') --from;
  bool ok = false;
  const int hours = text.sliced(from, colon - from).toInt(&ok);
  const int minutes = ok ? text.sliced(colon + 1, 2).toInt(&ok) : 0;
  if (!ok) return -1;
  const bool pm = text.sliced(colon).contains("pm") || text.sliced(colon).contains("PM") ||
                  text.sliced(colon).contains("p.m.");
  return (hours % 12 + (pm ? 12 : hours >= 12 ? 12 : 0)) * 60 + minutes;
}

bool Reader::ReadDateOf(const TableRow& row, ImportedDraw& draw) {
  const int column = out.dateColumn;
  const QByteArrayView cell = column < fields.size() ? fields[column] : QByteArrayView();
  const QString text = QString::fromUtf8(cell);
  const DateReading reading = ReadDate(text);
  const DateOrder order = out.dateOrder.value_or(DateOrder::DayMonthYear);
  if (reading.orders == 0) {
    Error(row.line, QStringLiteral("fecha no válida «%1» en la %2").arg(text, ColumnLabel(column)));
    return false;
  }
  if (!reading.Fits(order)) {
    Error(row.line, QStringLiteral("la fecha «%1» no se lee como %2, la forma de las demás fechas")
                        .arg(text, DateOrderName(order)));
    return false;
  }
  draw.key = reading.Key(order);
  if (reading.weekday != 0 && WeekdayOfKey(draw.key) != reading.weekday) {
    Error(row.line, QStringLiteral("el día de la semana de «%1» no corresponde a la fecha %2").arg(text, KeyText(draw.key)));
    return false;
  }
  return true;
}

bool Reader::ReadNumbersOf(const TableRow& row, ImportedDraw& draw, DrawSource& source, bool& none) {
  QVarLengthArray<int, 16> values;
  bool readable = true;
  for (const int c : std::as_const(balls)) {
    const QByteArrayView cell = c < fields.size() ? fields[c] : QByteArrayView();
    const qsizetype before = values.size();
    if (!BallsOfCell(out.columns[c], cell, values)) {
      Error(row.line, QStringLiteral("«%1» no es un número del sorteo (%2)").arg(QString::fromUtf8(cell).left(30), ColumnLabel(c)));
      readable = false;
      continue;
    }
    for (qsizetype i = before; i < values.size(); ++i) {
      if (values[i] <= 99) continue;
      Error(row.line, QStringLiteral("el número %1 pasa de 99 (%2): el historial solo admite de 0 a 99")
                          .arg(values[i])
                          .arg(ColumnLabel(c)));
      readable = false;
    }
  }
  none = values.isEmpty();
  if (!readable || none) return readable;
  if (values.size() > kMaxDrawNumbers) {
    Error(row.line, QStringLiteral("tiene %1 números: un historial admite 7 como máximo").arg(values.size()));
    return false;
  }
  draw.count = static_cast<quint8>(values.size());
  for (qsizetype i = 0; i < values.size(); ++i) draw.numbers[static_cast<size_t>(i)] = static_cast<quint8>(values[i]);
  source.allZero = std::all_of(values.begin(), values.end(), [](int v) { return v == 0; });
  return true;
}

bool Reader::ReadRow(qsizetype r) {
  const TableRow& row = table.rows[r];
  if (!SplitRow(table, row, fields, scratch)) {
    Error(row.line, QStringLiteral("la línea tiene más de %1 campos").arg(kMaxFields));
    return false;
  }
  ImportedDraw draw;
  draw.line = row.line;
  DrawSource source;
  source.row = static_cast<quint32>(r);
  const bool dated = ReadDateOf(row, draw);
  bool none = false;
  const bool numbered = ReadNumbersOf(row, draw, source, none);
  if (!dated || !numbered) return false;
  if (none) {
    empty.append(r);
    return true;
  }
  if (draw.key > lastPastKey) {
    Error(row.line, QStringLiteral("la fecha %1 es posterior a hoy: ningún sorteo celebrado la tiene (¿un error en el año?)")
                        .arg(KeyText(draw.key)));
    return false;
  }
  if (counterColumn >= 0 && counterColumn < fields.size()) {
    source.within = fields[counterColumn].toInt();
  } else {
    const int column = timeColumn >= 0 ? timeColumn : out.dateColumn;
    source.within = column < fields.size() ? MinutesIn(fields[column]) : -1;
  }
  draws.append(draw);
  sources.append(source);
  return true;
}

// The whole row, as the fields split: two rows are the same when these are.
QByteArray RowKey(const ImportTable& table, qsizetype r) {
  RowFields fields;
  QByteArray scratch;
  SplitRow(table, table.rows[r], fields, scratch);
  QByteArray key;
  for (const QByteArrayView f : fields) key.append(f.data(), f.size()).append('\x1f');
  while (key.endsWith("\x1f\x1f")) key.chop(1);
  return key;
}

// The cells that tell two draws of one date apart: a draw name, a draw number, a time.
QByteArray TagKey(const Reader& reader, qsizetype r) {
  RowFields fields;
  QByteArray scratch;
  SplitRow(reader.table, reader.table.rows[r], fields, scratch);
  QByteArray key;
  for (const int c : reader.tags) {
    if (c < fields.size()) key.append(fields[c].data(), fields[c].size());
    key.append('\x1f');
  }
  const int date = reader.out.dateColumn;
  const int minutes = date < fields.size() ? MinutesIn(fields[date]) : -1;
  if (minutes >= 0) key.append(QByteArray::number(minutes));
  return key;
}

void FindTags(Reader& reader) {
  reader.balls = reader.out.numberColumns;
  for (const ImportColumn& c : std::as_const(reader.out.columns)) {
    switch (c.role) {
      case ColumnRole::Counter:
        if (reader.counterColumn < 0) reader.counterColumn = c.index;
        reader.tags.append(c.index);
        break;
      case ColumnRole::Time:
        if (reader.timeColumn < 0) reader.timeColumn = c.index;
        reader.tags.append(c.index);
        break;
      case ColumnRole::Text:
        reader.tags.append(c.index);
        break;
      default:
        break;
    }
  }
}

// Rows with no number: a last draw not yet held is skipped; elsewhere an error.
// A draw of zeros is one only where the game draws zeros at all.
void SkipDrawsNotHeld(Reader& reader) {
  const bool zeros = std::any_of(reader.draws.begin(), reader.draws.end(), [](const ImportedDraw& d) {
    return std::find(d.numbers.begin(), d.numbers.begin() + d.count, 0) != d.numbers.begin() + d.count &&
           !std::all_of(d.numbers.begin(), d.numbers.begin() + d.count, [](quint8 v) { return v == 0; });
  });
  QVector<ImportedDraw> kept;
  QVector<DrawSource> keptSources;
  QVector<std::pair<qsizetype, int>> notHeld;  // row, date
  for (qsizetype i = 0; i < reader.draws.size(); ++i) {
    if (reader.sources[i].allZero && !zeros) {
      notHeld.append({reader.sources[i].row, reader.draws[i].key});
      continue;
    }
    kept.append(reader.draws[i]);
    keptSources.append(reader.sources[i]);
  }
  int newest = 0;
  for (const ImportedDraw& d : std::as_const(kept)) newest = std::max(newest, d.key);
  RowFields fields;
  QByteArray scratch;
  for (const qsizetype r : std::as_const(reader.empty)) {
    SplitRow(reader.table, reader.table.rows[r], fields, scratch);
    const DateReading reading = ReadDate(QString::fromUtf8(fields[reader.out.dateColumn]));
    notHeld.append({r, reading.Key(reader.out.dateOrder.value_or(DateOrder::DayMonthYear))});
  }
  for (const auto& [r, key] : std::as_const(notHeld)) {
    const qsizetype line = reader.table.rows[r].line;
    if (key >= newest) {
      reader.Warn(line, QStringLiteral("se omite el sorteo del %1: no tiene números (aún no se ha celebrado)").arg(KeyText(key)));
    } else {
      reader.Error(line, QStringLiteral("el sorteo del %1 no tiene números").arg(KeyText(key)));
    }
  }
  reader.draws = std::move(kept);
  reader.sources = std::move(keptSources);
}

// A file in date order but for a few rows most likely holds a typing error
// there (a year): each such row is named. A file in no order is only sorted.
void WarnOutOfOrder(Reader& reader, bool newestFirst) {
  const auto& draws = reader.draws;
  QVector<qsizetype> breaks;
  for (qsizetype i = 1; i < draws.size(); ++i) {
    const int a = draws[i - 1].key;
    const int b = draws[i].key;
    if (a != b && (b < a) != newestFirst) breaks.append(i);
  }
  if (breaks.isEmpty()) return;
  if (breaks.size() > 20 || breaks.size() * 100 > draws.size()) {
    reader.Warn(0, QStringLiteral("Las filas no están en orden de fecha: se ordenan."));
    return;
  }
  for (const qsizetype i : std::as_const(breaks)) {
    // The row out of place is the one its two neighbours agree against.
    const bool earlierOdd = i >= 2 && (draws[i].key < draws[i - 2].key) == newestFirst && draws[i].key != draws[i - 2].key;
    const ImportedDraw& odd = earlierOdd ? draws[i - 1] : draws[i];
    reader.Warn(odd.line, QStringLiteral("la fecha %1 no sigue el orden de fechas de las filas vecinas: compruebe el año")
                              .arg(KeyText(odd.key)));
  }
}

// Oldest first. A file written newest first is turned round, so that the
// draws of one date keep the order they were drawn in; a draw number or a
// time puts them in order where there is one.
void PutInOrder(Reader& reader) {
  QVector<ImportedDraw>& draws = reader.draws;
  qsizetype down = 0;
  for (qsizetype i = 1; i < draws.size(); ++i) {
    if (draws[i].key != draws[i - 1].key) down += draws[i].key < draws[i - 1].key ? 1 : -1;
  }
  WarnOutOfOrder(reader, down > 0);
  if (down > 0) {
    std::reverse(draws.begin(), draws.end());
    std::reverse(reader.sources.begin(), reader.sources.end());
  }
  const bool within = reader.counterColumn >= 0 || reader.timeColumn >= 0 ||
                      std::any_of(reader.sources.begin(), reader.sources.end(), [](const DrawSource& s) { return s.within >= 0; });
  QVector<qsizetype> order(draws.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
    if (draws[a].key != draws[b].key) return draws[a].key < draws[b].key;
    return within && reader.sources[a].within < reader.sources[b].within;
  });
  QVector<ImportedDraw> sorted;
  QVector<DrawSource> sortedSources;
  sorted.reserve(draws.size());
  sortedSources.reserve(draws.size());
  for (const qsizetype i : std::as_const(order)) {
    sorted.append(draws[i]);
    sortedSources.append(reader.sources[i]);
  }
  draws = std::move(sorted);
  reader.sources = std::move(sortedSources);
}

bool SameNumbers(const ImportedDraw& a, const ImportedDraw& b) {
  return a.count == b.count && std::equal(a.numbers.begin(), a.numbers.begin() + a.count, b.numbers.begin());
}

// The draws of one date: a row that repeats another whole is dropped; the
// same numbers twice are two draws when a draw name, number or time tells
// them apart, and an error otherwise; other numbers on one date are a warning.
void CheckDates(Reader& reader) {
  QVector<bool> dropped(reader.draws.size(), false);
  const auto& draws = reader.draws;
  for (qsizetype begin = 0; begin < draws.size();) {
    qsizetype end = begin + 1;
    while (end < draws.size() && draws[end].key == draws[begin].key) ++end;
    for (qsizetype j = begin + 1; j < end; ++j) {
      for (qsizetype i = begin; i < j; ++i) {
        if (dropped[i]) continue;
        const qsizetype ri = reader.sources[i].row;
        const qsizetype rj = reader.sources[j].row;
        const qsizetype first = std::min(draws[i].line, draws[j].line);
        const qsizetype later = std::max(draws[i].line, draws[j].line);
        if (RowKey(reader.table, ri) == RowKey(reader.table, rj)) {
          dropped[j] = true;
          reader.Warn(later, QStringLiteral("se omite: repite entera la línea %1").arg(first));
          break;
        }
        if (TagKey(reader, ri) != TagKey(reader, rj)) continue;
        if (SameNumbers(draws[i], draws[j])) {
          reader.Error(later, QStringLiteral("la fecha %1 y los mismos números ya están en la línea %2, con otros "
                                             "datos: ¿sorteo repetido?")
                                  .arg(KeyText(draws[j].key))
                                  .arg(first));
        } else {
          reader.Warn(later, QStringLiteral("la fecha %1 ya está en la línea %2, con otros números")
                                 .arg(KeyText(draws[j].key))
                                 .arg(first));
        }
      }
    }
    begin = end;
  }
  QVector<ImportedDraw> kept;
  kept.reserve(draws.size());
  for (qsizetype i = 0; i < draws.size(); ++i) {
    if (!dropped[i]) kept.append(draws[i]);
  }
  reader.draws = std::move(kept);
}

// Every draw must have as many numbers as the first: the first that has
// another count is named, with how many draws from it on.
void CheckMatrix(Reader& reader) {
  const auto& draws = reader.draws;
  if (draws.isEmpty()) return;
  for (qsizetype i = 1; i < draws.size(); ++i) {
    if (draws[i].count == draws[i - 1].count) continue;
    reader.Error(draws[i].line,
                 QStringLiteral("el sorteo del %1 tiene %2 números y los anteriores %3: ¿cambió la matriz del juego? "
                                "Desde él hay %4 sorteos (hasta el %5) y antes %6. Importe cada parte por separado.")
                     .arg(KeyText(draws[i].key))
                     .arg(draws[i].count)
                     .arg(draws[i - 1].count)
                     .arg(draws.size() - i)
                     .arg(KeyText(draws.back().key))
                     .arg(i));
    return;
  }
  if (draws.front().count < 2) reader.Error(0, QStringLiteral("Cada sorteo debe tener al menos 2 números."));
}

// The range seen runs from the smallest to the largest number that shows up
// at least twice; a number beyond it is most likely a typing error.
void CheckRange(Reader& reader) {
  const auto& draws = reader.draws;
  if (draws.size() < kRangeMinDraws) return;
  std::array<qsizetype, 100> seen{};
  for (const ImportedDraw& d : draws) {
    for (int k = 0; k < d.count; ++k) ++seen[d.numbers[static_cast<size_t>(k)]];
  }
  int low = 0;
  int high = 99;
  while (low < 99 && seen[static_cast<size_t>(low)] < 2) ++low;
  while (high > low && seen[static_cast<size_t>(high)] < 2) --high;
  for (const ImportedDraw& d : draws) {
    for (int k = 0; k < d.count; ++k) {
      const int n = d.numbers[static_cast<size_t>(k)];
      if (n >= low && n <= high) continue;
      reader.Warn(d.line,
                  QStringLiteral("el número %1 está fuera del rango visto en el archivo (%2 a %3)").arg(n).arg(low).arg(high));
    }
  }
}

}  // namespace

bool ReadDraws(ImportAnalysis& out, const ImportTable& table, const FoundLayout& found, const ImportProgress& progress) {
  Reader reader{out, table, found, {}, -1, -1, {}, {}, {}, {}, {}, {}, LastPastDrawKey(QDate::currentDate())};
  FindTags(reader);
  const TableLayout& layout = found.layout;
  reader.draws.reserve(layout.endRow - layout.firstRow);
  reader.sources.reserve(layout.endRow - layout.firstRow);
  for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
    if ((r - layout.firstRow) % kRowsPerStep == kRowsPerStep - 1 && progress &&
        !progress(static_cast<int>((r - layout.firstRow) * 100 / (layout.endRow - layout.firstRow)))) {
      return false;
    }
    if (found.repeatedHeaders.contains(r)) continue;
    reader.ReadRow(r);
  }
  SkipDrawsNotHeld(reader);
  PutInOrder(reader);
  CheckDates(reader);
  CheckMatrix(reader);
  CheckRange(reader);
  out.draws = std::move(reader.draws);
  return true;
}

}  // namespace tombolix
