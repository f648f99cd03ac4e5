#include "importer/import_analysis.h"

#include "history/loader.h"
#include "importer/csv_table.h"
#include "importer/draw_checks.h"
#include "importer/header_words.h"
#include "importer/table_layout.h"
#include "importer/text_decoding.h"

#include <algorithm>

namespace tombolix {

namespace {

void Fail(ImportAnalysis& out, const QString& reason) { out.problems.append({0, reason, true}); }

// Appends dd/mm/yyyy of a yyyymmdd key; every character is ASCII, so the
// bytes are the Windows-1252 text as well.
void AppendDate(QByteArray& out, int key) {
  const int day = key % 100;
  const int month = key / 100 % 100;
  const int year = key / 10000;
  const char text[] = {char('0' + day / 10),    char('0' + day % 10),        '/',
                       char('0' + month / 10),  char('0' + month % 10),      '/',
                       char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
                       char('0' + year % 10)};
  out.append(text, sizeof text);
}

QByteArray HistoryText(const QVector<ImportedDraw>& draws) {
  QByteArray text;
  text.reserve(draws.size() * 34);
  for (const ImportedDraw& d : draws) {
    AppendDate(text, d.key);
    for (int k = 0; k < d.count; ++k) {
      const int n = d.numbers[static_cast<size_t>(k)];
      text.append(',').append(char('0' + n / 10)).append(char('0' + n % 10));
    }
    text.append("\r\n");
  }
  return text;
}

// The text must load through the program's own loader as exactly these draws.
bool LoadsBack(const QByteArray& text, const QVector<ImportedDraw>& draws) {
  const LoadedHistory loaded = ParseHistory(text);
  const History& h = loaded.history;
  if (!loaded.accepted || h.DrawCount != draws.size() || h.PositionCount != draws.front().count) return false;
  QByteArray date;
  for (int d = 1; d <= h.DrawCount; ++d) {
    const ImportedDraw& draw = draws[d - 1];
    date.resize(0);
    AppendDate(date, draw.key);
    if (h.Date(d) != QLatin1StringView(date)) return false;
    for (int k = 1; k <= draw.count; ++k) {
      if (h.P(k, d) != draw.numbers[static_cast<size_t>(k - 1)]) return false;
    }
  }
  return true;
}

// The user's choice of columns must name distinct columns of the file.
bool CheckChosenColumns(ImportAnalysis& out, const ImportOptions& options) {
  QVector<int> all = options.numberColumns;
  if (options.dateColumn >= 0) all.append(options.dateColumn);
  for (const int c : std::as_const(all)) {
    if (c < 0 || c >= out.columnCount) {
      Fail(out, QStringLiteral("El archivo no tiene columna %1 (tiene %2).").arg(c + 1).arg(out.columnCount));
      return false;
    }
  }
  std::sort(all.begin(), all.end());
  if (std::adjacent_find(all.begin(), all.end()) != all.end()) {
    Fail(out, QStringLiteral("Una misma columna está elegida dos veces (fecha o números)."));
    return false;
  }
  return true;
}

// Rows of two games, or two draws of a day side by side on one row, are not
// one history: the user chooses what to import.
bool CheckOneGame(ImportAnalysis& out, bool forced) {
  QStringList drawNames;
  for (const ImportColumn& c : std::as_const(out.columns)) {
    if (c.role == ColumnRole::Game && !c.other.isEmpty()) {
      Fail(out, QStringLiteral("El archivo mezcla varios juegos (columna %1 «%2»: «%3», «%4»…): separe cada juego en "
                               "un archivo e impórtelos por separado.")
                    .arg(c.index + 1)
                    .arg(c.header, c.sample, c.other));
      return false;
    }
    const QString name = c.role == ColumnRole::Balls ? DrawNameInHeader(c.header) : QString();
    if (!name.isEmpty() && !drawNames.contains(name)) drawNames.append(name);
  }
  if (drawNames.size() > 1 && !forced) {
    Fail(out, QStringLiteral("Cada fila tiene los números de varios sorteos (%1): elija las columnas de uno de ellos e "
                             "importe cada sorteo por separado.")
                  .arg(drawNames.join(QStringLiteral(", "))));
    return false;
  }
  return true;
}

bool CheckBallColumns(ImportAnalysis& out, bool forced) {
  if (!CheckOneGame(out, forced)) return false;
  int numbers = 0;
  for (const ImportColumn& c : std::as_const(out.columns)) {
    if (c.role != ColumnRole::Balls) continue;
    if (!forced) out.numberColumns.append(c.index);
    numbers += c.perCell;
  }
  if (out.numberColumns.isEmpty()) {
    Fail(out, QStringLiteral("No se encontró ninguna columna con los números del sorteo: elíjalas."));
    return false;
  }
  if (numbers > 7) {
    Fail(out, QStringLiteral("Las columnas de números dan %1 números por sorteo y un historial admite 7 como máximo: "
                             "elija las columnas de los números (de 2 a 7 números).")
                  .arg(numbers));
    return false;
  }
  return true;
}

void FillPreview(ImportAnalysis& out, const ImportTable& table, const TableLayout& layout) {
  RowFields fields;
  QByteArray scratch;
  for (qsizetype r = layout.firstRow; r < layout.endRow && out.preview.size() < kImportPreviewRows; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    QStringList row;
    for (const QByteArrayView f : fields) row.append(QString::fromUtf8(f).left(80));
    out.preview.append(row);
  }
}

// Day first or month first, on the whole file; the user's choice wins.
bool DecideDateOrder(ImportAnalysis& out, const ImportTable& table, const TableLayout& layout,
                     const ImportOptions& options) {
  if (options.dateOrder) {
    out.dateOrder = options.dateOrder;
    out.dateOrderReason = QStringLiteral("elegida por usted");
    return true;
  }
  DateOrderVote vote;
  RowFields fields;
  QByteArray scratch;
  for (qsizetype r = layout.firstRow; r < layout.endRow; ++r) {
    SplitRow(table, table.rows[r], fields, scratch);
    if (out.dateColumn < fields.size()) vote.Add(ReadDate(QString::fromUtf8(fields[out.dateColumn])), table.rows[r].line);
  }
  const DateOrderVote::Decision decision = vote.Decide();
  out.dateOrderReason = decision.reason;
  if (decision.order) {
    out.dateOrder = decision.order;
    return true;
  }
  if (decision.ask) {
    out.dateOrderAsked = true;
    Fail(out, QStringLiteral("No se puede saber en qué orden están escritos el día, el mes y el año (%1): elija el "
                             "orden de las fechas (en tombolix-import, --date-order dmy, mdy o ymd).")
                  .arg(decision.reason));
  } else {
    Fail(out, QStringLiteral("Las fechas no tienen una sola forma (%1).").arg(decision.reason));
  }
  return false;
}

// Errors first, then warnings; past the cap a last line says how many more,
// and the cap never hides an error behind a warning.
void CapProblems(ImportAnalysis& out) {
  auto& problems = out.problems;
  std::stable_sort(problems.begin(), problems.end(), [](const ImportProblem& a, const ImportProblem& b) {
    if (a.error != b.error) return a.error;
    return a.line < b.line;
  });
  if (problems.size() <= kMaxImportProblems) return;
  const qsizetype errors = std::count_if(problems.begin(), problems.end(), [](const ImportProblem& p) { return p.error; });
  const qsizetype moreErrors = std::max<qsizetype>(0, errors - kMaxImportProblems);
  const qsizetype moreWarnings = problems.size() - std::max(errors, kMaxImportProblems) ;
  problems.resize(kMaxImportProblems);
  if (moreErrors > 0) problems.append({0, QStringLiteral("... y %1 errores más").arg(moreErrors), true});
  if (moreWarnings > 0) problems.append({0, QStringLiteral("... y %1 avisos más").arg(moreWarnings), false});
}

bool Analyse(ImportAnalysis& out, const ImportTable& table, const ImportOptions& options,
             const ImportProgress& progress) {
  out.separator = table.separator;
  out.excelSeparatorLine = table.excelSeparatorLine;
  if (table.rows.isEmpty()) {
    Fail(out, QStringLiteral("El archivo está vacío: no tiene ninguna línea con datos."));
    return true;
  }
  const FoundLayout found = FindLayout(table, options.dateColumn);
  const TableLayout& layout = found.layout;
  out.columnCount = layout.columnCount;
  out.header = found.header;
  out.headerLine = layout.headerRow >= 0 ? table.rows[layout.headerRow].line : 0;
  out.dateColumn = layout.dateColumn;
  out.problems += found.skipped;
  FillPreview(out, table, layout);
  if (layout.columnCount < 2) {
    Fail(out, QStringLiteral("El archivo tiene una sola columna: no se encontró coma, punto y coma, tabulador ni "
                             "columnas separadas por espacios entre los datos."));
    return true;
  }
  if (layout.firstRow >= layout.endRow) {
    Fail(out, QStringLiteral("El archivo solo tiene la línea de encabezado: no hay ningún sorteo."));
    return true;
  }
  if (!CheckChosenColumns(out, options)) return true;
  if (out.dateColumn < 0) {
    Fail(out, QStringLiteral("No se encontró ninguna columna con fechas: elija la columna de la fecha."));
    return true;
  }
  out.columns = JudgeColumns(table, layout, found.header, options.numberColumns);
  // The user's columns are read in the order the user gave them.
  out.numberColumns = options.numberColumns;
  MarkRepeats(table, layout, out.columns);
  if (progress && !progress(40)) return false;
  if (!CheckBallColumns(out, !options.numberColumns.isEmpty()) || !DecideDateOrder(out, table, layout, options)) return true;
  if (progress && !progress(50)) return false;
  const ImportProgress reading = [&progress](int percent) { return !progress || progress(50 + percent * 2 / 5); };
  return ReadDraws(out, table, found, reading);
}

}  // namespace

bool ImportAnalysis::HasErrors() const {
  return std::any_of(problems.begin(), problems.end(), [](const ImportProblem& p) { return p.error; });
}

ImportAnalysis AnalyseImport(QByteArray bytes, const ImportOptions& options, const ImportProgress& progress) {
  ImportAnalysis out;
  DecodedText decoded = DecodeImportBytes(std::move(bytes), options.encoding);
  out.encoding = decoded.used;
  if (!decoded.error.isEmpty()) {
    Fail(out, decoded.error);
    return out;
  }
  {
    const ImportProgress splitting = [&progress](int percent) { return !progress || progress(percent / 4); };
    const ImportTable table = SplitTable(std::move(decoded.utf8), splitting);
    if (table.cancelled || !Analyse(out, table, options, progress)) {
      out.cancelled = true;
      return out;
    }
  }
  out.drawCount = out.draws.size();
  if (!out.HasErrors() && out.draws.isEmpty()) {
    Fail(out, QStringLiteral("El archivo no tiene ningún sorteo con números: no hay nada que importar."));
  }
  if (!out.HasErrors()) {
    out.historyText = HistoryText(out.draws);
    if (!LoadsBack(out.historyText, out.draws)) {
      Fail(out, QStringLiteral("El historial preparado no se lee igual con el programa: no se escribe."));
    }
  }
  CapProblems(out);
  if (out.HasErrors()) {
    out.historyText.clear();
    out.draws.clear();
  }
  if (progress) progress(100);
  return out;
}

}  // namespace tombolix
