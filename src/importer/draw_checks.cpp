#include "importer/draw_checks.h"

#include "history/loader.h"
#include "importer/column_guess.h"

#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

constexpr qsizetype kRowsPerStep = 4096;
// Below this many draws a rare number proves nothing about the game's range.
constexpr qsizetype kRangeMinDraws = 50;
constexpr std::array<DateOrder, 3> kOrders = {DateOrder::DayMonthYear, DateOrder::YearMonthDay,
                                              DateOrder::MonthDayYear};

struct Draw {
  qsizetype line = 0;
  int key = 0;                      // yyyymmdd
  QVarLengthArray<int, 8> numbers;  // inline: no allocation per draw
};

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

void Report(ImportAnalysis& out, qsizetype line, const QString& reason, bool error = true) {
  out.problems.append({line, reason, error});
}

QStringView CellView(const ImportRow& row, int column) {
  return column < row.fields.size() ? row.fields[column] : QStringView();
}

// The order that fits the most dates; day first wins a tie.
DateOrder MostFittingOrder(const ImportTable& table, qsizetype first, int column) {
  std::array<qsizetype, 3> fits{};
  for (qsizetype r = first; r < table.rows.size(); ++r) {
    const DateReading reading = ReadDate(CellView(table.rows[r], column));
    for (size_t o = 0; o < kOrders.size(); ++o) fits[o] += reading.Fits(kOrders[o]) ? 1 : 0;
  }
  size_t best = 0;
  for (size_t o = 1; o < kOrders.size(); ++o) best = fits[o] > fits[best] ? o : best;
  return kOrders[best];
}

QString Sentence(const QString& clause) { return clause.left(1).toUpper() + clause.mid(1) + u'.'; }

// The form the whole file is read in. When both day first and month first read
// every date, day first is taken with a warning; dates in two forms are an error,
// and the lines in the less common one are reported too.
DateOrder ChooseOrder(ImportAnalysis& out, const ImportTable& table, qsizetype first) {
  DateOrderVote vote;
  for (qsizetype r = first; r < table.rows.size(); ++r) {
    vote.Add(ReadDate(CellView(table.rows[r], out.dateColumn)), table.rows[r].line);
  }
  const DateOrderVote::Decision decision = vote.Decide();
  if (decision.order) return *decision.order;
  if (decision.ask) {
    Report(out, 0, Sentence(decision.reason + QStringLiteral(": se leen como d/m/a")), false);
    return DateOrder::DayMonthYear;
  }
  Report(out, 0, Sentence(decision.reason));
  return MostFittingOrder(table, first, out.dateColumn);
}

bool ReadDrawDate(ImportAnalysis& out, const ImportRow& row, DateOrder order, Draw& draw) {
  const QStringView text = CellView(row, out.dateColumn);
  const DateReading reading = ReadDate(text);
  if (reading.Fits(order)) {
    draw.key = reading.Key(order);
    if (reading.weekday == 0 || WeekdayOfKey(draw.key) == reading.weekday) return true;
    Report(out, row.line,
           QStringLiteral("el día de la semana de «%1» no es el de la fecha %2").arg(text, KeyText(draw.key)));
    return false;
  }
  const auto other = std::find_if(kOrders.begin(), kOrders.end(), [&](DateOrder o) { return reading.Fits(o); });
  if (other == kOrders.end()) {
    Report(out, row.line, QStringLiteral("fecha no válida «%1»").arg(text));
  } else {
    Report(out, row.line,
           QStringLiteral("la fecha «%1» está en otra forma (%2) que las demás (%3)")
               .arg(text, DateOrderName(*other), DateOrderName(order)));
  }
  return false;
}

bool ReadDrawNumbers(ImportAnalysis& out, const ImportRow& row, Draw& draw) {
  bool readable = true;
  for (const int column : std::as_const(out.numberColumns)) {
    const QStringView text = CellView(row, column);
    int value = 0;
    if (text.isEmpty()) continue;
    if (!IsDrawNumber(text, &value)) {
      Report(out, row.line, QStringLiteral("número no válido «%1» en la columna %2").arg(text).arg(column + 1));
      readable = false;
    } else if (value > 99) {
      Report(out, row.line, QStringLiteral("el número %1 pasa de 99: el historial solo admite de 0 a 99").arg(value));
      readable = false;
    } else {
      draw.numbers.append(value);
    }
  }
  return readable;
}

// A count of numbers other than the most common one means the game changed
// its matrix (or the row lost a number).
void CheckMatrix(ImportAnalysis& out, const QVector<Draw>& draws, qsizetype& count) {
  QHash<qsizetype, qsizetype> counts;
  count = 0;
  for (const Draw& d : draws) {
    const qsizetype c = ++counts[d.numbers.size()];
    if (c > counts.value(count)) count = d.numbers.size();
  }
  for (const Draw& d : draws) {
    if (d.numbers.size() == count) continue;
    Report(out, d.line,
           QStringLiteral("tiene %1 números y los demás sorteos %2: ¿cambió la matriz del juego?")
               .arg(d.numbers.size())
               .arg(count));
  }
  if (!draws.isEmpty() && count < 2) Report(out, 0, QStringLiteral("Cada sorteo debe tener al menos 2 números."));
}

// The range seen runs from the smallest to the largest number that shows up
// at least twice; a number beyond it is most likely a typing error.
void CheckRange(ImportAnalysis& out, const QVector<Draw>& draws) {
  if (draws.size() < kRangeMinDraws) return;
  std::array<qsizetype, 100> seen{};
  for (const Draw& d : draws) {
    for (const int n : d.numbers) ++seen[static_cast<size_t>(n)];
  }
  int low = 0;
  int high = 99;
  while (low < 99 && seen[static_cast<size_t>(low)] < 2) ++low;
  while (high > low && seen[static_cast<size_t>(high)] < 2) --high;
  for (const Draw& d : draws) {
    for (const int n : d.numbers) {
      if (n >= low && n <= high) continue;
      Report(
          out, d.line,
          QStringLiteral("el número %1 está fuera del rango visto en el archivo (%2 a %3)").arg(n).arg(low).arg(high),
          false);
    }
  }
}

// Oldest first: a file written newest first is turned round before the stable
// sort, so that draws of one day keep their order of play. A repeated row is an
// error; one date with other numbers is only a warning, as some games draw
// several times a day.
void SortAndCheckDates(ImportAnalysis& out, QVector<Draw>& draws) {
  qsizetype down = 0;
  for (qsizetype i = 1; i < draws.size(); ++i) down += draws[i].key < draws[i - 1].key ? 1 : -1;
  if (down > 0) std::reverse(draws.begin(), draws.end());
  std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.key < b.key; });
  for (qsizetype i = 1; i < draws.size(); ++i) {
    const Draw& a = draws[i - 1];
    const Draw& b = draws[i];
    if (a.key != b.key) continue;
    const Draw& later = a.line > b.line ? a : b;
    const Draw& earlier = a.line > b.line ? b : a;
    if (a.numbers == b.numbers) {
      Report(out, later.line,
             QStringLiteral("sorteo repetido: la misma fecha %1 y los mismos números que la línea %2")
                 .arg(KeyText(later.key))
                 .arg(earlier.line));
    } else {
      Report(out, later.line,
             QStringLiteral("la fecha %1 ya está en la línea %2, con otros números")
                 .arg(KeyText(later.key))
                 .arg(earlier.line),
             false);
    }
  }
}

QByteArray HistoryText(const QVector<Draw>& draws) {
  QByteArray text;
  text.reserve(draws.size() * 34);
  for (const Draw& d : draws) {
    AppendDate(text, d.key);
    for (const int n : d.numbers) text.append(',').append(char('0' + n / 10)).append(char('0' + n % 10));
    text.append("\r\n");
  }
  return text;
}

// The text must load through the program's own loader as exactly these draws.
bool LoadsBack(const QByteArray& text, const QVector<Draw>& draws, qsizetype count) {
  const LoadedHistory loaded = ParseHistory(text);
  const History& h = loaded.history;
  if (!loaded.accepted || h.DrawCount != draws.size() || h.PositionCount != count) return false;
  for (int d = 1; d <= h.DrawCount; ++d) {
    const Draw& draw = draws[d - 1];
    if (h.Date(d) != KeyText(draw.key)) return false;
    for (int k = 1; k <= count; ++k) {
      if (h.P(k, d) != draw.numbers[k - 1]) return false;
    }
  }
  return true;
}

}  // namespace

bool CheckDraws(ImportAnalysis& out, const ImportTable& table, qsizetype first, const ImportProgress& progress) {
  const DateOrder order = ChooseOrder(out, table, first);
  out.dateOrder = order;
  QVector<Draw> draws;
  draws.reserve(table.rows.size() - first);
  for (qsizetype r = first; r < table.rows.size(); ++r) {
    if (r % kRowsPerStep == 0 && progress && !progress(static_cast<int>(r * 100 / table.rows.size()))) return false;
    if (table.rows[r].mixed) continue;
    Draw draw;
    draw.line = table.rows[r].line;
    const bool dated = ReadDrawDate(out, table.rows[r], order, draw);
    if (ReadDrawNumbers(out, table.rows[r], draw) && dated) draws.append(std::move(draw));
  }
  // The last steps run on whole columns; the window still hears from them.
  if (progress && !progress(90)) return false;
  qsizetype count = 0;
  CheckMatrix(out, draws, count);
  CheckRange(out, draws);
  SortAndCheckDates(out, draws);
  if (progress && !progress(95)) return false;
  out.drawCount = draws.size();
  if (out.HasErrors()) return true;
  out.historyText = HistoryText(draws);
  if (!LoadsBack(out.historyText, draws, count)) {
    out.historyText.clear();
    Report(out, 0, QStringLiteral("El historial preparado no se lee igual con el programa: no se escribe."));
  }
  return true;
}

}  // namespace tombolix
