#include "importer/history_append.h"

#include "history/date_check.h"
#include "history/line_reader.h"
#include "history/loader.h"
#include "importer/draw_overlap.h"
#include "importer/history_line_form.h"

#include <QDate>

#include <algorithm>

namespace tombolix {

namespace {

// Where the draws of a history end in its bytes, and how its lines are written.
struct HistoryEnd {
  qsizetype appendAt = 0;  // just past the last draw's line and its line end
  bool endsWithoutLineEnd = false;
  qsizetype textAfterLine = 0;  // the line of the first text after the last draw; 0: none
  LineForm form;
};

qsizetype LineEndLength(QByteArrayView bytes, qsizetype stop) {
  if (stop >= bytes.size()) return 0;
  return bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
}

// Reads the lines the loader read (line d holds draw d) and what follows them:
// the loader stops at the first empty line, so text after one would be left
// unseen behind the added draws.
HistoryEnd ScanHistory(QByteArrayView bytes, const History& history) {
  HistoryEnd end;
  LineReader reader(bytes);
  LineFormReader form;
  QByteArrayView line;
  for (qint32 d = 1; d <= history.DrawCount && reader.Next(line); ++d) {
    const qsizetype stop = (line.data() - bytes.data()) + line.size();
    const qsizetype endLength = LineEndLength(bytes, stop);
    form.Add(line, history.Date(d), history.PositionCount, bytes.sliced(stop, endLength));
    end.appendAt = stop + endLength;
    end.endsWithoutLineEnd = endLength == 0;
  }
  end.form = form.Form();
  qsizetype lineNumber = history.DrawCount + 1;
  for (qsizetype i = end.appendAt; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
      ++lineNumber;
    } else if (c != '\r' && c != ' ' && c != '\t') {
      end.textAfterLine = lineNumber;
      break;
    }
  }
  return end;
}

QString RejectionMessage(const LoadedHistory& loaded) {
  if (loaded.rejectedLine.isEmpty()) {
    return QStringLiteral(
        "El historial está vacío o su primera línea no es una fecha con al menos dos números: "
        "no se añadió nada.");
  }
  return QStringLiteral("El historial no se puede leer: la línea %1 no es un sorteo válido («%2»). No se añadió nada.")
      .arg(loaded.history.DrawCount + 1)
      .arg(loaded.rejectedLine);
}

QDate DateOfKey(int key) { return {key / 10000, key / 100 % 100, key % 100}; }

QString KeyText(int key) { return DateOfKey(key).toString(QStringLiteral("dd/MM/yyyy")); }

// The imported draws as the history needs them: oldest first, real dates, and
// the history's count of numbers from its first date on.
void CheckImported(const QVector<ImportedDraw>& imported, int firstKey, int positionCount, QStringList& errors) {
  for (qsizetype i = 0; i < imported.size(); ++i) {
    const ImportedDraw& draw = imported[i];
    QString problem;
    if (!DateOfKey(draw.key).isValid()) {
      problem = QStringLiteral("la fecha no es válida");
    } else if (i > 0 && draw.key < imported[i - 1].key) {
      problem = QStringLiteral("los sorteos no van del más antiguo al más reciente");
    } else if (draw.key >= firstKey && draw.count != positionCount) {
      problem = QStringLiteral("tiene %1 números y el historial %2 (no es el mismo juego)")
                    .arg(static_cast<int>(draw.count))
                    .arg(positionCount);
    } else if (std::any_of(draw.numbers.begin(), draw.numbers.begin() + std::min<int>(draw.count, 7),
                           [](quint8 n) { return n > 99; })) {
      problem = QStringLiteral("tiene un número mayor que 99");
    }
    if (problem.isEmpty()) continue;
    errors.append(QStringLiteral("Línea %1 del archivo importado: %2.").arg(draw.line).arg(problem));
    return;
  }
}

// The draws appended, in the history's form, after its last draw line.
QByteArray AppendedText(const QByteArray& existing, const HistoryEnd& end, const QVector<ImportedDraw>& added,
                        bool& widenedYear) {
  QByteArray lines;
  if (end.endsWithoutLineEnd) lines += end.form.lineEnd;
  for (const ImportedDraw& draw : added)
    lines += FormatDrawLine(end.form, draw.key, draw.numbers, draw.count, widenedYear);
  QByteArray text;
  text.reserve(existing.size() + lines.size());
  text += QByteArrayView(existing).first(end.appendAt);
  text += lines;
  text += QByteArrayView(existing).sliced(end.appendAt);  // blank lines at the end stay at the end
  return text;
}

// The new text loads as the old draws followed by the added ones, exactly.
bool LoadsAsExpected(const QByteArray& text, const History& old, const QVector<ImportedDraw>& added) {
  const LoadedHistory loaded = ParseHistory(text);
  const History& h = loaded.history;
  if (!loaded.accepted || h.PositionCount != old.PositionCount || h.DrawCount != old.DrawCount + added.size())
    return false;
  for (qint32 d = 1; d <= old.DrawCount; ++d) {
    if (h.Date(d) != old.Date(d)) return false;
    for (int k = 1; k <= kMaxPositions; ++k) {
      if (h.P(k, d) != old.P(k, d)) return false;
    }
  }
  for (qsizetype i = 0; i < added.size(); ++i) {
    const int d = old.DrawCount + static_cast<int>(i) + 1;
    if (AcceptedDateKey(h.Date(d).trimmed()) != added[i].key) return false;
    for (int k = 1; k <= h.PositionCount; ++k) {
      if (h.P(k, d) != added[i].numbers[static_cast<size_t>(k - 1)]) return false;
    }
  }
  return true;
}

// Warns when the first added draw comes later after the last one than any draw
// of the history after the one before it: draws may be missing in between.
void WarnAboutGap(const QVector<int>& keys, int firstAdded, QStringList& warnings) {
  qint64 longest = -1;
  for (qsizetype d = 1; d < keys.size(); ++d)
    longest = std::max(longest, DateOfKey(keys[d - 1]).daysTo(DateOfKey(keys[d])));
  const qint64 gap = DateOfKey(keys.back()).daysTo(DateOfKey(firstAdded));
  if (longest < 0 || gap <= longest) return;
  warnings.append(QStringLiteral("Entre el último sorteo del historial (%1) y el primero nuevo (%2) pasan %3 días, "
                                 "más que entre dos sorteos seguidos del historial (%4 como mucho): puede que falten "
                                 "sorteos.")
                      .arg(KeyText(keys.back()), KeyText(firstAdded))
                      .arg(gap)
                      .arg(longest));
}

void WarnAboutOlder(const QVector<ImportedDraw>& imported, qsizetype olderCount, const QString& firstDate,
                    QStringList& warnings) {
  if (olderCount == 0) return;
  warnings.append(QStringLiteral("%1 sorteos del archivo importado (del %2 al %3) son anteriores al primero del "
                                 "historial (%4) y no se añaden.")
                      .arg(olderCount)
                      .arg(KeyText(imported.front().key), KeyText(imported[olderCount - 1].key), firstDate));
}

}  // namespace

AppendPlan PlanAppend(const QByteArray& existing, const QVector<ImportedDraw>& imported) {
  AppendPlan plan;
  const LoadedHistory loaded = ParseHistory(existing);
  if (!loaded.accepted) {
    plan.errors.append(RejectionMessage(loaded));
    return plan;
  }
  const History& history = loaded.history;
  const HistoryEnd end = ScanHistory(existing, history);
  if (end.textAfterLine > 0) {
    plan.errors.append(QStringLiteral("El historial tiene texto después de su último sorteo (línea %1, tras una "
                                      "línea vacía): no se añadió nada. Quite ese texto o la línea vacía.")
                           .arg(end.textAfterLine));
    return plan;
  }
  QVector<int> keys;
  keys.reserve(history.DrawCount);
  for (const QString& date : history.DrawDate) keys.append(AcceptedDateKey(date.trimmed()).value_or(0));
  CheckImported(imported, keys.front(), history.PositionCount, plan.errors);
  if (!plan.errors.isEmpty() || imported.isEmpty()) return plan;

  const auto byKey = [](const ImportedDraw& draw, int key) { return draw.key < key; };
  const qsizetype older = std::lower_bound(imported.begin(), imported.end(), keys.front(), byKey) - imported.begin();
  const qsizetype fresh = std::upper_bound(imported.begin(), imported.end(), keys.back(),
                                           [](int key, const ImportedDraw& draw) { return key < draw.key; }) -
                          imported.begin();
  WarnAboutOlder(imported, older, history.Date(1).trimmed(), plan.warnings);
  plan.overlap = CompareOverlap(history, keys, imported, older, fresh, plan.errors);
  if (!plan.errors.isEmpty() || fresh == imported.size()) return plan;

  const QVector<ImportedDraw> added = imported.sliced(fresh);
  bool widenedYear = false;
  QByteArray text = AppendedText(existing, end, added, widenedYear);
  if (!LoadsAsExpected(text, history, added)) {
    plan.errors.append(QStringLiteral("Los sorteos nuevos no se leerían igual en el historial: no se añadió nada."));
    return plan;
  }
  if (widenedYear) {
    plan.warnings.append(
        QStringLiteral("El historial escribe los años con dos cifras; los sorteos nuevos que no caben "
                       "en dos cifras se escriben con cuatro."));
  }
  WarnAboutGap(keys, added.front().key, plan.warnings);
  plan.text = std::move(text);
  plan.newDraws = added.size();
  return plan;
}

}  // namespace tombolix
