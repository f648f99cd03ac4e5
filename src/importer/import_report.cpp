#include "importer/csv_table.h"
#include "importer/import_analysis.h"

#include <QStringList>

namespace tombolix {

QString ProblemLine(const ImportProblem& problem) {
  QString text;
  if (!problem.error)
    text = problem.line > 0 ? QStringLiteral("Aviso, línea %1: ") : QStringLiteral("Aviso: ");
  else if (problem.line > 0)
    text = QStringLiteral("Línea %1: ");
  if (problem.line > 0) text = text.arg(problem.line);
  return text + problem.reason;
}

QString LayoutSummary(const ImportAnalysis& a) {
  QStringList parts;
  if (!a.separator.isNull()) parts << QStringLiteral("separador: %1").arg(SeparatorName(a.separator));
  parts << (a.header.isEmpty() ? QStringLiteral("sin encabezado") : QStringLiteral("con encabezado"));
  if (a.dateColumn >= 0) {
    QString date = QStringLiteral("fecha: columna %1").arg(a.dateColumn + 1);
    if (a.dateOrder) date += QStringLiteral(" (%1)").arg(DateOrderName(*a.dateOrder));
    parts << date;
  }
  if (!a.numberColumns.isEmpty()) {
    QStringList columns;
    for (const int c : a.numberColumns) columns << QString::number(c + 1);
    parts << QStringLiteral("números: columnas %1").arg(columns.join(QLatin1Char(',')));
  }
  parts << QStringLiteral("sorteos: %1").arg(a.drawCount);
  QString summary = parts.join(QStringLiteral("; "));
  if (!summary.isEmpty()) summary[0] = summary.at(0).toUpper();
  return summary + QLatin1Char('.');
}

}  // namespace tombolix
