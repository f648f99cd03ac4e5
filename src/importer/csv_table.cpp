#include "importer/csv_table.h"

#include <QHash>

#include <array>

namespace tombolix {

namespace {

constexpr std::array<QChar, 3> kSeparators = {u',', u';', u'\t'};
constexpr qsizetype kSampleLines = 500;
constexpr qsizetype kLinesPerStep = 4096;

QChar GuessSeparator(QStringView text, QChar lineEnd) {
  std::array<int, 3> lines{};
  qsizetype seen = 0;
  for (QStringView line : text.tokenize(lineEnd)) {
    if (line.trimmed().isEmpty()) continue;
    for (size_t s = 0; s < kSeparators.size(); ++s) lines[s] += line.contains(kSeparators[s]) ? 1 : 0;
    if (++seen == kSampleLines) break;
  }
  size_t best = 0;
  for (size_t s = 1; s < kSeparators.size(); ++s) best = lines[s] > lines[best] ? s : best;
  return lines[best] > 0 ? kSeparators[best] : QChar();
}

QStringView CleanField(QStringView field) {
  QStringView f = field.trimmed();
  if (f.size() >= 2 && f.front() == u'"' && f.back() == u'"') f = f.sliced(1, f.size() - 2).trimmed();
  return f;
}

QList<QStringView> SplitFields(QStringView line, QChar separator) {
  QList<QStringView> fields;
  if (separator.isNull()) {
    fields.append(CleanField(line));
    return fields;
  }
  for (QStringView field : line.tokenize(separator)) fields.append(CleanField(field));
  return fields;
}

int MostCommonCount(const QVector<ImportRow>& rows) {
  QHash<int, int> counts;
  int best = 0;
  int bestCount = 0;
  for (const ImportRow& row : rows) {
    const int n = static_cast<int>(row.fields.size());
    const int c = ++counts[n];
    if (c > bestCount || (c == bestCount && n > best)) {
      best = n;
      bestCount = c;
    }
  }
  return best;
}

}  // namespace

QString SeparatorName(QChar separator) {
  if (separator == u';') return QStringLiteral("punto y coma");
  if (separator == u'\t') return QStringLiteral("tabulador");
  return QStringLiteral("coma");
}

ImportTable SplitTable(QStringView text, const ImportProgress& progress) {
  ImportTable table;
  // Lines end in LF or CR LF; a file with CR alone (old Mac) ends them in CR.
  const QChar lineEnd = text.contains(u'\n') ? u'\n' : u'\r';
  table.separator = GuessSeparator(text, lineEnd);
  qsizetype lineNumber = 0;
  qsizetype done = 0;
  for (QStringView line : text.tokenize(lineEnd)) {
    ++lineNumber;
    done += line.size() + 1;
    if (lineNumber % kLinesPerStep == 0 && progress &&
        !progress(static_cast<int>(done * 100 / std::max<qsizetype>(text.size(), 1)))) {
      table.cancelled = true;
      return table;
    }
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    bool mixed = false;
    for (const QChar other : kSeparators) {
      if (table.separator.isNull() || other == table.separator || !line.contains(other)) continue;
      table.problems.append({lineNumber, QStringLiteral("usa %1 como separador, y el resto del archivo %2")
                                             .arg(SeparatorName(other), SeparatorName(table.separator))});
      mixed = true;
      break;
    }
    table.rows.append({lineNumber, SplitFields(line, table.separator), mixed});
  }
  table.columnCount = MostCommonCount(table.rows);
  return table;
}

}  // namespace tombolix
