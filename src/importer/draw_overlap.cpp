#include "importer/draw_overlap.h"

#include <QDate>

#include <algorithm>

namespace tombolix {

namespace {

constexpr qsizetype kListed = 10;  // disagreements spelled out; the rest are counted

template <typename Numbers>
QString NumbersText(const Numbers& numbers, int count) {
  QStringList texts;
  for (int p = 0; p < count; ++p) texts.append(QString::number(numbers[static_cast<size_t>(p)]));
  return texts.join(QStringLiteral(", "));
}

std::array<quint8, kMaxPositions> HistoryNumbers(const History& history, qint32 d) {
  std::array<quint8, kMaxPositions> numbers{};
  for (int k = 1; k <= history.PositionCount; ++k) numbers[static_cast<size_t>(k - 1)] = history.P(k, d);
  return numbers;
}

QString HistoryDraw(const History& history, qint32 d) {
  return QStringLiteral("%1: %2").arg(history.Date(d).trimmed(),
                                      NumbersText(HistoryNumbers(history, d), history.PositionCount));
}

QString ImportedText(const ImportedDraw& draw) {
  const QDate date(draw.key / 10000, draw.key / 100 % 100, draw.key % 100);
  return QStringLiteral("%1: %2").arg(date.toString(QStringLiteral("dd/MM/yyyy")),
                                      NumbersText(draw.numbers, draw.count));
}

// Empty when the draws agree; else what differs.
QString Disagreement(const History& history, qint32 d, const ImportedDraw& draw) {
  auto ours = HistoryNumbers(history, d);
  auto theirs = draw.numbers;
  const auto count = static_cast<qsizetype>(history.PositionCount);
  if (std::equal(ours.begin(), ours.begin() + count, theirs.begin())) return {};
  std::sort(ours.begin(), ours.begin() + count);
  std::sort(theirs.begin(), theirs.begin() + count);
  const bool reordered = std::equal(ours.begin(), ours.begin() + count, theirs.begin());
  return QStringLiteral("La línea %1 del historial (%2) no coincide con la línea %3 del archivo importado (%4)%5.")
      .arg(d)
      .arg(HistoryDraw(history, d))
      .arg(draw.line)
      .arg(ImportedText(draw), reordered ? QStringLiteral(": los mismos números en otro orden") : QString());
}

}  // namespace

qsizetype CompareOverlap(const History& history, const QVector<int>& keys, const QVector<ImportedDraw>& imported,
                         qsizetype from, qsizetype to, QStringList& errors) {
  if (imported.isEmpty()) return 0;
  // The history's draws from the first imported date on.
  qsizetype i = 0;
  while (i < keys.size() && keys[i] < imported.front().key) ++i;
  qsizetype agreed = 0;
  QStringList found;
  qsizetype j = from;
  while (i < keys.size() || j < to) {
    const auto d = static_cast<qint32>(i + 1);
    if (i < keys.size() && j < to && keys[i] == imported[j].key) {
      const QString differs = Disagreement(history, d, imported[j]);
      if (differs.isEmpty())
        ++agreed;
      else
        found.append(differs);
      ++i;
      ++j;
    } else if (j == to || (i < keys.size() && keys[i] < imported[j].key)) {
      found.append(QStringLiteral("La línea %1 del historial (%2) no está en el archivo importado.")
                       .arg(d)
                       .arg(HistoryDraw(history, d)));
      ++i;
    } else {
      found.append(QStringLiteral("La línea %1 del archivo importado (%2) no está en el historial.")
                       .arg(imported[j].line)
                       .arg(ImportedText(imported[j])));
      ++j;
    }
  }
  if (found.isEmpty()) return agreed;
  const qsizetype listed = std::min(found.size(), kListed);
  errors.append(found.first(listed));
  if (found.size() > listed) errors.append(QStringLiteral("Y %1 diferencias más.").arg(found.size() - listed));
  errors.append(
      QStringLiteral("El archivo importado no coincide con el historial en los sorteos que ambos tienen: "
                     "no se añadió nada."));
  return agreed;
}

}  // namespace tombolix
