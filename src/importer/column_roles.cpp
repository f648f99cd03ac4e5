#include "importer/column_roles.h"

#include "importer/cell_reading.h"
#include "importer/header_words.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

// What a column holds over all data rows.
struct ColumnStats {
  qsizetype cells = 0;
  std::array<qsizetype, 8> kinds{};  // by CellKind
  qsizetype times = 0;
  qsizetype over99 = 0;
  std::array<qsizetype, kMaxCellNumbers + 1> listCounts{};
  int longest = 0;         // digits of the longest number
  qsizetype ofLongest = 0;  // numbers of that length
  qsizetype leadingZeros = 0;
  QByteArray first;
  QByteArray other;  // the first value that differs from `first`
  bool constant = true;
  qint64 previous = -1;
  qsizetype up = 0;
  qsizetype down = 0;
  qsizetype same = 0;
  qsizetype steps = 0;

  qsizetype Of(CellKind kind) const { return kinds[static_cast<size_t>(kind)]; }
  void Add(QByteArrayView cell);
};

void ColumnStats::Add(QByteArrayView cell) {
  if (cell.isEmpty()) return;
  const CellReading r = ReadCell(cell);
  ++cells;
  ++kinds[static_cast<size_t>(r.kind)];
  if (cells == 1) {
    first = cell.toByteArray();
  } else if (constant && cell != QByteArrayView(first)) {
    constant = false;
    other = cell.toByteArray();
  }
  if (r.kind == CellKind::Other && cell.contains(':')) ++times;
  if (r.kind == CellKind::Numbers) {
    ++listCounts[std::min<size_t>(r.count, kMaxCellNumbers)];
    for (int i = 0; i < std::min<int>(r.count, kMaxCellNumbers); ++i) over99 += r.values[static_cast<size_t>(i)] > 99;
  }
  if (r.kind != CellKind::Number) return;
  over99 += r.value > 99;
  if (r.digits > longest) {
    longest = r.digits;
    ofLongest = 0;
  }
  ofLongest += r.digits == longest;
  leadingZeros += r.leadingZero;
  if (previous >= 0) {
    const qint64 step = r.value - previous;
    up += step == 1;
    down += step == -1;
    same += step == 0;
    ++steps;
  }
  previous = r.value;
}

// Values that go up (or down) by one from row to row, with a few restarts or
// gaps, count draws. A column of balls does so on a small share of rows.
bool IsCounter(const ColumnStats& s) {
  if (s.steps < 9) return false;
  const qsizetype run = std::max(s.up, s.down);
  return run * 10 >= s.steps * 3 && (run + s.same) * 10 >= s.steps * 9;
}

// "047" on every row: a digit game's number written as one string of digits.
// A spreadsheet may have dropped some leading zeros ("3" for "003"), so most
// cells, not all, show the full length.
bool IsDigitString(const ColumnStats& s, HeaderHint hint) {
  const qsizetype numbers = s.Of(CellKind::Number);
  return numbers == s.cells && s.longest >= 3 && s.longest <= 7 && s.ofLongest * 2 >= s.cells &&
         (s.leadingZeros > 0 || hint == HeaderHint::Balls);
}

int MostCommonListCount(const ColumnStats& s) {
  size_t best = 0;
  for (size_t i = 2; i < s.listCounts.size(); ++i) best = s.listCounts[i] > s.listCounts[best] ? i : best;
  return s.listCounts[best] > 0 ? static_cast<int>(best) : 1;
}

ColumnRole RoleOfHint(HeaderHint hint) {
  switch (hint) {
    case HeaderHint::Counter:
      return ColumnRole::Counter;
    case HeaderHint::Refund:
      return ColumnRole::Refund;
    case HeaderHint::Multiplier:
      return ColumnRole::Multiplier;
    case HeaderHint::Money:
      return ColumnRole::Money;
    case HeaderHint::Prizes:
      return ColumnRole::Prizes;
    case HeaderHint::Weekday:
      return ColumnRole::Text;
    case HeaderHint::Time:
      return ColumnRole::Time;
    case HeaderHint::Machine:
      return ColumnRole::Machine;
    case HeaderHint::Statistic:
      return ColumnRole::Statistic;
    case HeaderHint::Game:
      return ColumnRole::Game;
    case HeaderHint::None:
    case HeaderHint::Balls:
      break;
  }
  return ColumnRole::Balls;
}

void Judge(ImportColumn& column, const ColumnStats& s, HeaderHint hint, bool forced) {
  const qsizetype half = (s.cells + 1) / 2;
  const qsizetype numeric = s.Of(CellKind::Number) + s.Of(CellKind::Numbers);
  column.perCell = MostCommonListCount(s);
  if (s.cells == 0 && !forced) {
    column.role = ColumnRole::Empty;
  } else if (forced) {
    column.role = ColumnRole::Balls;
  } else if (hint == HeaderHint::Game || hint == HeaderHint::Machine || hint == HeaderHint::Statistic) {
    column.role = RoleOfHint(hint);
  } else if (s.Of(CellKind::Text) + s.Of(CellKind::Date) >= half) {
    column.role = hint == HeaderHint::Time ? ColumnRole::Time : ColumnRole::Text;
  } else if (s.times >= half) {
    column.role = ColumnRole::Time;
  } else if (s.Of(CellKind::Money) >= half) {
    column.role = hint == HeaderHint::Prizes ? ColumnRole::Prizes : ColumnRole::Money;
  } else if (s.Of(CellKind::Multiplier) >= half) {
    column.role = ColumnRole::Multiplier;
  } else if (numeric < half) {
    column.role = ColumnRole::Text;
  } else if (hint != HeaderHint::None && hint != HeaderHint::Balls) {
    column.role = RoleOfHint(hint);
  } else if (s.constant && s.cells >= 5) {
    column.role = ColumnRole::Constant;
  } else if (s.Of(CellKind::Numbers) == 0 && IsCounter(s)) {
    column.role = ColumnRole::Counter;
  } else if (s.over99 * 2 > s.cells && !IsDigitString(s, hint)) {
    column.role = ColumnRole::Large;
  } else {
    column.role = ColumnRole::Balls;
  }
  if (column.role == ColumnRole::Balls && s.Of(CellKind::Numbers) == 0 && IsDigitString(s, hint)) {
    column.digits = true;
    column.perCell = s.longest;
  }
}

}  // namespace

QString RoleName(ColumnRole role) {
  switch (role) {
    case ColumnRole::Empty:
      return QStringLiteral("vacía");
    case ColumnRole::Date:
      return QStringLiteral("fecha");
    case ColumnRole::Balls:
      return QStringLiteral("números del sorteo");
    case ColumnRole::Counter:
      return QStringLiteral("número de sorteo");
    case ColumnRole::Refund:
      return QStringLiteral("reintegro");
    case ColumnRole::Multiplier:
      return QStringLiteral("multiplicador");
    case ColumnRole::Money:
      return QStringLiteral("importe");
    case ColumnRole::Prizes:
      return QStringLiteral("acertantes o premios por categoría");
    case ColumnRole::Constant:
      return QStringLiteral("valor que no cambia");
    case ColumnRole::Text:
      return QStringLiteral("texto");
    case ColumnRole::Time:
      return QStringLiteral("hora");
    case ColumnRole::Large:
      return QStringLiteral("valores de más de dos cifras");
    case ColumnRole::Repeat:
      return QStringLiteral("repite los números de otras columnas");
    case ColumnRole::Unchosen:
      return QStringLiteral("no elegida");
    case ColumnRole::Machine:
      return QStringLiteral("máquina o juego de bolas");
    case ColumnRole::Statistic:
      return QStringLiteral("estadística del sorteo");
    case ColumnRole::Game:
      return QStringLiteral("juego");
  }
  return {};
}

QVector<ImportColumn> JudgeColumns(const ImportTable& table, const TableLayout& layout, const QStringList& header,
                                   const QVector<int>& forced) {
  QVector<ColumnStats> stats(layout.columnCount);
  RowFields fields;
  QByteArray scratch;
  for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    const qsizetype n = std::min<qsizetype>(fields.size(), layout.columnCount);
    for (qsizetype c = 0; c < n; ++c) {
      if (c != layout.dateColumn) stats[c].Add(fields[c]);
    }
  }
  QVector<ImportColumn> columns(layout.columnCount);
  for (int c = 0; c < layout.columnCount; ++c) {
    ImportColumn& column = columns[c];
    column.index = c;
    column.header = c < header.size() ? header[c] : QString();
    column.sample = QString::fromUtf8(stats[c].first).left(24);
    column.other = QString::fromUtf8(stats[c].other).left(24);
    if (c == layout.dateColumn) {
      column.role = ColumnRole::Date;
      continue;
    }
    const bool isForced = forced.contains(c);
    Judge(column, stats[c], ReadHeaderHint(column.header), isForced);
    if (!forced.isEmpty() && !isForced && column.role == ColumnRole::Balls) column.role = ColumnRole::Unchosen;
  }
  return columns;
}

bool BallsOfCell(const ImportColumn& column, QByteArrayView cell, QVarLengthArray<int, 16>& values) {
  if (cell.isEmpty()) return true;
  const CellReading r = ReadCell(cell);
  if (column.digits && r.kind == CellKind::Number && r.digits <= column.perCell) {
    // A spreadsheet may have dropped the leading zeros: "47" is "047".
    for (int i = r.digits; i < column.perCell; ++i) values.append(0);
    for (const char c : cell) values.append(c - '0');
    return true;
  }
  if (r.kind == CellKind::Number) {
    values.append(static_cast<int>(std::min<qint64>(r.value, 999)));
    return true;
  }
  if (r.kind != CellKind::Numbers || r.count > kMaxCellNumbers) return false;
  for (int i = 0; i < r.count; ++i) values.append(r.values[static_cast<size_t>(i)]);
  return true;
}

void MarkRepeats(const ImportTable& table, const TableLayout& layout, QVector<ImportColumn>& columns) {
  QVector<int> candidates;
  QVector<int> others;
  for (const ImportColumn& c : std::as_const(columns)) {
    if (c.role != ColumnRole::Balls) continue;
    (c.digits || c.perCell > 1 ? candidates : others).append(c.index);
  }
  if (candidates.isEmpty() || others.isEmpty()) return;
  QVector<bool> repeats(candidates.size(), true);
  QVector<qsizetype> matched(candidates.size(), 0);
  RowFields fields;
  QByteArray scratch;
  QVarLengthArray<int, 16> rest;
  QVarLengthArray<int, 16> own;
  for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    rest.clear();
    for (const int o : std::as_const(others)) {
      if (o < fields.size()) BallsOfCell(columns[o], fields[o], rest);
    }
    for (qsizetype k = 0; k < candidates.size(); ++k) {
      const int c = candidates[k];
      own.clear();
      if (!repeats[k] || c >= fields.size() || !BallsOfCell(columns[c], fields[c], own) || own.isEmpty()) continue;
      const auto at = std::search(rest.begin(), rest.end(), own.begin(), own.end());
      if (at == rest.end()) {
        repeats[k] = false;
      } else {
        ++matched[k];
      }
    }
  }
  for (qsizetype k = 0; k < candidates.size(); ++k) {
    if (repeats[k] && matched[k] > 0) columns[candidates[k]].role = ColumnRole::Repeat;
  }
}

}  // namespace tombolix
