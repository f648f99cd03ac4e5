#include "importer/import_analysis.h"

#include "importer/column_guess.h"
#include "importer/csv_table.h"
#include "importer/draw_checks.h"
#include "importer/text_decoding.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr qsizetype kMaxProblems = 200;

void Fail(ImportAnalysis& out, const QString& reason) { out.problems.append({0, reason, true}); }

// The user's choice of columns must name distinct columns of the file: one
// date and two to seven numbers.
bool CheckColumns(ImportAnalysis& out) {
  const int n = out.columnCount;
  if (out.dateColumn < 0) {
    Fail(out, QStringLiteral("No se encontró ninguna columna con fechas: elija la columna de la fecha."));
    return false;
  }
  QVector<int> all = out.numberColumns;
  all.append(out.dateColumn);
  if (std::any_of(all.begin(), all.end(), [](int c) { return c < 0; })) {
    Fail(out, QStringLiteral("Elija las columnas de los números (de 2 a 7)."));
    return false;
  }
  for (const int c : std::as_const(all)) {
    if (c < 0 || c >= n) {
      Fail(out, QStringLiteral("El archivo no tiene columna %1 (tiene %2).").arg(c + 1).arg(n));
      return false;
    }
  }
  std::sort(all.begin(), all.end());
  if (std::adjacent_find(all.begin(), all.end()) != all.end()) {
    Fail(out, QStringLiteral("Una misma columna está elegida dos veces (fecha o números)."));
    return false;
  }
  if (out.numberColumns.size() < 2 || out.numberColumns.size() > kMaxDrawNumbers) {
    Fail(out, QStringLiteral("Un sorteo debe tener de 2 a 7 números; hay %1 columnas de números elegidas: elija "
                             "las columnas de los números.")
                  .arg(out.numberColumns.size()));
    return false;
  }
  return true;
}

QStringList Strings(const QList<QStringView>& fields) {
  QStringList strings;
  for (const QStringView f : fields) strings.append(f.toString());
  return strings;
}

void FillPreview(ImportAnalysis& out, const ImportTable& table, qsizetype first) {
  for (qsizetype r = first; r < table.rows.size() && out.preview.size() < kImportPreviewRows; ++r) {
    out.preview.append(Strings(table.rows[r].fields));
  }
}

void CapProblems(ImportAnalysis& out) {
  std::stable_sort(out.problems.begin(), out.problems.end(),
                   [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
  if (out.problems.size() <= kMaxProblems) return;
  const bool errorLeft = std::any_of(out.problems.begin() + kMaxProblems, out.problems.end(),
                                     [](const ImportProblem& p) { return p.error; });
  const qsizetype more = out.problems.size() - kMaxProblems;
  out.problems.resize(kMaxProblems);
  out.problems.append({0, QStringLiteral("... y %1 problemas más").arg(more), errorLeft});
}

// The table, the header and the columns: false when the file cannot be a history.
bool ReadLayout(ImportAnalysis& out, const ImportTable& table, const ImportOptions& options, qsizetype& first) {
  if (table.rows.isEmpty()) {
    Fail(out, QStringLiteral("El archivo está vacío: no tiene ninguna línea con datos."));
    return false;
  }
  out.separator = table.separator;
  out.columnCount = table.columnCount;
  out.problems = table.problems;
  if (table.columnCount < 2) {
    Fail(out, QStringLiteral("El archivo tiene una sola columna: no se encontró coma, punto y coma ni tabulador "
                             "entre los datos."));
    return false;
  }
  const ColumnGuess guess = GuessColumns(table);
  first = guess.hasHeader ? 1 : 0;
  if (guess.hasHeader) out.header = Strings(table.rows.front().fields);
  FillPreview(out, table, first);
  if (first >= table.rows.size()) {
    Fail(out, QStringLiteral("El archivo solo tiene la línea de encabezado: no hay ningún sorteo."));
    return false;
  }
  out.dateColumn = options.dateColumn >= 0 ? options.dateColumn : guess.dateColumn;
  out.numberColumns = options.numberColumns.isEmpty() ? guess.numberColumns : options.numberColumns;
  return CheckColumns(out);
}

}  // namespace

bool ImportAnalysis::HasErrors() const {
  return std::any_of(problems.begin(), problems.end(), [](const ImportProblem& p) { return p.error; });
}

ImportAnalysis AnalyseImport(QByteArrayView bytes, const ImportOptions& options, const ImportProgress& progress) {
  ImportAnalysis out;
  const DecodedText decoded = DecodeImportBytes(bytes, options.encoding);
  if (!decoded.error.isEmpty()) {
    Fail(out, decoded.error);
    return out;
  }
  const ImportProgress splitting = [&progress](int percent) { return !progress || progress(percent / 2); };
  const ImportTable table = SplitTable(decoded.text, splitting);
  if (table.cancelled) {
    out.cancelled = true;
    return out;
  }
  qsizetype first = 0;
  if (ReadLayout(out, table, options, first)) {
    const ImportProgress checking = [&progress](int percent) { return !progress || progress(50 + percent / 2); };
    if (!CheckDraws(out, table, first, checking)) {
      out.cancelled = true;
      return out;
    }
  }
  CapProblems(out);
  if (out.HasErrors()) out.historyText.clear();
  if (progress) progress(100);
  return out;
}

}  // namespace tombolix
