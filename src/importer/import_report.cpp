#include "importer/csv_table.h"
#include "importer/import_analysis.h"
#include "importer/text_decoding.h"

#include <QStringList>

namespace tombolix {

namespace {

// Columns named one by one in the summary; past this, how many more.
constexpr int kSummaryColumns = 12;

QString ColumnName(const ImportAnalysis& a, int column) {
  const QString header = column < a.header.size() ? a.header[column] : QString();
  return header.isEmpty() ? QString::number(column + 1) : QStringLiteral("%1 «%2»").arg(column + 1).arg(header);
}

QString Capped(const QStringList& items) {
  if (items.size() <= kSummaryColumns) return items.join(QStringLiteral("; "));
  return items.first(kSummaryColumns).join(QStringLiteral("; ")) +
         QStringLiteral("; y %1 columnas más").arg(items.size() - kSummaryColumns);
}

}  // namespace

QString ProblemLine(const ImportProblem& problem) {
  QString text;
  if (!problem.error)
    text = problem.line > 0 ? QStringLiteral("Aviso, línea %1: ") : QStringLiteral("Aviso: ");
  else if (problem.line > 0)
    text = QStringLiteral("Línea %1: ");
  if (problem.line > 0) text = text.arg(problem.line);
  return text + problem.reason;
}

QStringList LayoutSummary(const ImportAnalysis& a) {
  QStringList lines;
  QString layout = QStringLiteral("Codificación: %1. Separador: %2").arg(EncodingName(a.encoding), SeparatorName(a.separator));
  if (a.excelSeparatorLine) layout += QStringLiteral(" (línea «sep=» de Excel)");
  layout += a.headerLine > 0 ? QStringLiteral(". Encabezado en la línea %1.").arg(a.headerLine)
                             : QStringLiteral(". Sin encabezado: compruebe las columnas.");
  lines << layout;
  if (a.dateColumn >= 0) {
    QString date = QStringLiteral("Fecha: columna %1").arg(ColumnName(a, a.dateColumn));
    if (a.dateOrder) date += QStringLiteral(", %1").arg(DateOrderName(*a.dateOrder));
    if (!a.dateOrderReason.isEmpty()) date += QStringLiteral(" (%1)").arg(a.dateOrderReason);
    lines << date + QLatin1Char('.');
  }
  QStringList balls;
  QStringList left;
  int perDraw = 0;
  for (const ImportColumn& c : a.columns) {
    if (c.role == ColumnRole::Balls) {
      QString ball = ColumnName(a, c.index);
      if (c.digits) {
        ball += QStringLiteral(" (una cifra por número)");
      } else if (c.perCell > 1) {
        ball += QStringLiteral(" (%1 números)").arg(c.perCell);
      }
      balls << ball;
      perDraw += c.perCell;
    } else if (c.role != ColumnRole::Empty && c.role != ColumnRole::Date) {
      left << QStringLiteral("%1: %2, p. ej. «%3»").arg(ColumnName(a, c.index), RoleName(c.role), c.sample);
    }
  }
  if (!balls.isEmpty()) {
    lines << QStringLiteral("Números (%1 por sorteo): columnas %2.").arg(perDraw).arg(Capped(balls));
  }
  if (!left.isEmpty()) lines << QStringLiteral("No se importan: %1.").arg(Capped(left));
  QString draws = QStringLiteral("Sorteos: %1").arg(a.drawCount);
  if (!a.draws.isEmpty()) {
    draws += QStringLiteral(", del %1 al %2").arg(KeyText(a.draws.front().key), KeyText(a.draws.back().key));
  }
  lines << draws + QLatin1Char('.');
  return lines;
}

}  // namespace tombolix
