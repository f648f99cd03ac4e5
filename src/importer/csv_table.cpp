#include "importer/csv_table.h"

#include "importer/date_forms.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

// A quoted field longer than this is taken for a stray quote.
constexpr qsizetype kMaxQuoted = 1 << 16;
// Rows looked at to choose the separator.
constexpr int kProbeRows = 400;
constexpr qsizetype kRowsPerStep = 1 << 16;
// Words of a fixed-width row joined to read one date ("13 de febrero de 2004").
constexpr int kMaxDateWords = 6;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

qsizetype ClosingQuote(QByteArrayView text, qsizetype open) {
  const qsizetype limit = std::min(text.size(), open + kMaxQuoted);
  for (qsizetype q = open + 1; q < limit; ++q) {
    if (text[q] != '"') continue;
    if (q + 1 < text.size() && text[q + 1] == '"') {
      ++q;
      continue;
    }
    return q;
  }
  return -1;
}

// Where the row that starts at `start` ends: the line end outside quotes.
qsizetype RowEnd(QByteArrayView text, qsizetype start, char separator) {
  bool fieldStart = true;
  qsizetype p = start;
  while (p < text.size()) {
    const char c = text[p];
    if (c == '\n' || c == '\r') break;
    if (fieldStart && c == '"' && separator != 0) {
      const qsizetype q = ClosingQuote(text, p);
      if (q > 0) {
        p = q + 1;
        fieldStart = false;
        continue;
      }
    }
    if (c == separator) {
      fieldStart = true;
    } else if (!IsBlank(c)) {
      fieldStart = false;
    }
    ++p;
  }
  return p;
}

bool IsBlankRow(QByteArrayView row, char separator) {
  return std::all_of(row.begin(), row.end(), [separator](char c) { return IsBlank(c) || c == separator || c == '"'; });
}

// Splits the text into rows from `from` on; at most `maxRows` when positive.
bool ScanRows(ImportTable& table, qsizetype from, int maxRows, const ImportProgress& progress) {
  const QByteArrayView text(table.text);
  const char lineFeed = text.contains('\n') ? '\n' : '\r';
  quint32 line = 1;
  qsizetype p = 0;
  // Lines before `from` (the "sep=" line) still count.
  line += static_cast<quint32>(std::count(text.begin(), text.begin() + from, lineFeed));
  p = from;
  while (p < text.size()) {
    if (maxRows > 0 && table.rows.size() >= maxRows) break;
    const qsizetype end = RowEnd(text, p, table.separator);
    const QByteArrayView row = text.sliced(p, end - p);
    if (!IsBlankRow(row, table.separator)) {
      table.rows.append({static_cast<quint32>(p), static_cast<quint32>(end), line});
      if (progress && table.rows.size() % kRowsPerStep == 0 &&
          !progress(static_cast<int>(end * 100 / std::max<qsizetype>(text.size(), 1)))) {
        table.cancelled = true;
        return false;
      }
    }
    line += static_cast<quint32>(std::count(row.begin(), row.end(), lineFeed));
    p = end;
    if (p < text.size() && text[p] == '\r') {
      ++p;
      if (p < text.size() && text[p] == '\n') ++p;
    } else if (p < text.size()) {
      ++p;
    }
    ++line;
  }
  return true;
}

QByteArrayView Trimmed(QByteArrayView field) {
  while (!field.isEmpty() && IsBlank(field.front())) field = field.sliced(1);
  while (!field.isEmpty() && IsBlank(field.back())) field.chop(1);
  return field;
}

// A field with its enclosing quotes removed; doubled quotes are undone into `scratch`.
QByteArrayView Unquoted(QByteArrayView field, QByteArray& scratch) {
  field = Trimmed(field);
  if (field.size() < 2 || field.front() != '"') return field;
  const qsizetype close = ClosingQuote(field, 0);
  if (close < 0) return field;
  const QByteArrayView inner = field.sliced(1, close - 1);
  const QByteArrayView after = Trimmed(field.sliced(close + 1));
  if (!inner.contains("\"\"") && after.isEmpty()) return Trimmed(inner);
  const qsizetype at = scratch.size();
  for (qsizetype i = 0; i < inner.size(); ++i) {
    scratch.append(inner[i]);
    if (inner[i] == '"') ++i;
  }
  scratch.append(after.data(), after.size());
  return Trimmed(QByteArrayView(scratch).sliced(at));
}

bool SplitSeparated(QByteArrayView row, char separator, RowFields& fields, QByteArray& scratch) {
  qsizetype p = 0;
  while (true) {
    qsizetype q = p;
    while (q < row.size() && IsBlank(row[q]) && row[q] != separator) ++q;
    if (q < row.size() && row[q] == '"') {
      const qsizetype close = ClosingQuote(row, q);
      if (close > 0) q = close + 1;
    }
    while (q < row.size() && row[q] != separator) ++q;
    if (fields.size() == kMaxFields) return false;
    fields.append(Unquoted(row.sliced(p, q - p), scratch));
    if (q >= row.size()) return true;
    p = q + 1;
  }
}

bool MayJoinIntoDate(QByteArrayView word) {
  return std::any_of(word.begin(), word.end(),
                     [](char c) { return c == ':' || (c & 0x80) != 0 || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); });
}

// Words split at runs of blanks; the words that together read as one date
// (written with a month or weekday name, or with a time) become one field.
bool SplitWords(QByteArrayView row, RowFields& fields, QByteArray& scratch) {
  QVarLengthArray<QByteArrayView, 32> words;
  for (qsizetype p = 0; p < row.size();) {
    while (p < row.size() && IsBlank(row[p])) ++p;
    qsizetype q = p;
    while (q < row.size() && !IsBlank(row[q])) ++q;
    if (q > p) {
      if (words.size() == kMaxFields) return false;
      words.append(Unquoted(row.sliced(p, q - p), scratch));
    }
    p = q;
  }
  for (qsizetype i = 0; i < words.size(); ++i) {
    qsizetype joined = 1;
    const qsizetype last = std::min<qsizetype>(words.size(), i + kMaxDateWords);
    for (qsizetype j = last; j > i + 1 && joined == 1; --j) {
      const char* begin = words[i].data();
      const char* end = words[j - 1].data() + words[j - 1].size();
      // Only words read straight from the row can be joined.
      const auto inRow = [&row](QByteArrayView w) { return w.data() >= row.data() && w.data() + w.size() <= row.data() + row.size(); };
      if (!std::all_of(words.begin() + i, words.begin() + j, inRow)) continue;
      const QByteArrayView span(begin, end - begin);
      if (!MayJoinIntoDate(span) || span.contains('"')) continue;
      if (ReadDate(QString::fromUtf8(span)).orders != 0) {
        fields.append(span);
        joined = j - i;
      }
    }
    if (joined == 1) fields.append(words[i]);
    i += joined - 1;
  }
  return true;
}

struct Probe {
  char separator = 0;
  int columns = 0;     // the field count most rows have
  double share = 0.0;  // of the rows with that count
  bool dated = false;  // some column holds a date in at least half the rows
};

Probe ProbeSeparator(const QByteArray& text, qsizetype from, char separator) {
  ImportTable table;
  table.text = text;
  table.separator = separator;
  ScanRows(table, from, kProbeRows, {});
  Probe probe;
  probe.separator = separator;
  if (table.rows.isEmpty()) return probe;
  QHash<int, int> counts;
  QHash<int, int> datesByColumn;
  RowFields fields;
  QByteArray scratch;
  for (const TableRow& row : std::as_const(table.rows)) {
    SplitRow(table, row, fields, scratch);
    ++counts[static_cast<int>(fields.size())];
    for (qsizetype c = 0; c < fields.size() && c < 64; ++c) {
      if (ReadDate(QString::fromUtf8(fields[c])).orders != 0) ++datesByColumn[static_cast<int>(c)];
    }
  }
  int best = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > best || (it.value() == best && it.key() > probe.columns)) {
      best = it.value();
      probe.columns = it.key();
    }
  }
  probe.share = static_cast<double>(best) / static_cast<double>(table.rows.size());
  for (const int dates : std::as_const(datesByColumn)) probe.dated = probe.dated || dates * 2 >= table.rows.size();
  return probe;
}

// Excel writes "sep=;" as the first line to name the separator.
char ExcelSeparator(QByteArrayView text, qsizetype& lineEnd) {
  lineEnd = 0;
  while (lineEnd < text.size() && text[lineEnd] != '\n' && text[lineEnd] != '\r') ++lineEnd;
  QByteArrayView first = Trimmed(text.first(lineEnd));
  if (first.size() >= 2 && first.front() == '"' && first.back() == '"') first = first.sliced(1, first.size() - 2);
  if (first.size() != 5 || first.first(4).compare("sep=", Qt::CaseInsensitive) != 0) return 0;
  const char c = first[4];
  return c == ',' || c == ';' || c == '\t' || c == '|' ? c : 0;
}

char ChooseSeparator(const QByteArray& text, qsizetype from) {
  // Preference on a near tie: a tab or a semicolon file may hold commas in
  // its values (decimal commas), a comma file rarely holds the others.
  std::array<Probe, 4> probes = {ProbeSeparator(text, from, '\t'), ProbeSeparator(text, from, ';'),
                                 ProbeSeparator(text, from, ','), ProbeSeparator(text, from, 0)};
  const Probe* chosen = nullptr;
  for (const bool needDates : {true, false}) {
    for (const Probe& p : probes) {
      if (p.columns < 2 || (needDates && !p.dated)) continue;
      if (!chosen || p.share > chosen->share + 0.05) chosen = &p;
    }
    if (chosen) return chosen->separator;
  }
  return 0;
}

}  // namespace

QString SeparatorName(char separator) {
  switch (separator) {
    case ';':
      return QStringLiteral("punto y coma");
    case '\t':
      return QStringLiteral("tabulador");
    case ',':
      return QStringLiteral("coma");
    case '|':
      return QStringLiteral("barra vertical");
    default:
      break;
  }
  return QStringLiteral("espacios");
}

ImportTable SplitTable(QByteArray utf8, const ImportProgress& progress) {
  ImportTable table;
  table.text = std::move(utf8);
  qsizetype firstLineEnd = 0;
  table.separator = ExcelSeparator(table.text, firstLineEnd);
  qsizetype from = 0;
  if (table.separator != 0) {
    table.excelSeparatorLine = true;
    from = firstLineEnd;
  } else {
    table.separator = ChooseSeparator(table.text, 0);
  }
  ScanRows(table, from, 0, progress);
  return table;
}

bool SplitRow(const ImportTable& table, const TableRow& row, RowFields& fields, QByteArray& scratch) {
  // Unquoted fields never outgrow their row: with room for all of them, the
  // views into `scratch` stay valid.
  fields.clear();
  scratch.resize(0);
  scratch.reserve(row.end - row.start + 1);
  const QByteArrayView text = QByteArrayView(table.text).sliced(row.start, row.end - row.start);
  if (table.separator == 0) return SplitWords(text, fields, scratch);
  return SplitSeparated(text, table.separator, fields, scratch);
}

}  // namespace tombolix
