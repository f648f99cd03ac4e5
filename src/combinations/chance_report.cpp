#include "combinations/chance_report.h"

#include <QJsonArray>

namespace tombolix {

namespace {

// "33,2" : one decimal, with the Spanish decimal comma.
QString OneDecimal(double value) { return QString::number(value, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

// One row: the label, then the draws-hit and successes columns.
QString Row(const QString& label, const QString& hitDraws, const QString& successes) {
  return QStringLiteral("%1%2%3\n").arg(label, -30).arg(hitDraws, -36).arg(successes);
}

// "95,7 (92 a 98; esperado 95,6)": mean, 95 % band and exact expectation.
QString Spread(double mean, int low, int high, double expected) {
  return QStringLiteral("%1 (%2 a %3; esperado %4)")
      .arg(OneDecimal(mean), SpanishCount(low), SpanishCount(high), OneDecimal(expected));
}

QString FiguresLine(const QString& label, const ChanceFigures& f) {
  return Row(label, Spread(f.meanHitDraws, f.lowHitDraws, f.highHitDraws, f.expectedHitDraws),
             Spread(f.meanSuccesses, f.lowSuccesses, f.highSuccesses, f.expectedSuccesses));
}

QJsonObject FiguresJson(const ChanceFigures& f) {
  return QJsonObject{
      {QStringLiteral("meanHitDraws"), f.meanHitDraws},
      {QStringLiteral("hitDraws95"), QJsonArray{f.lowHitDraws, f.highHitDraws}},
      {QStringLiteral("expectedHitDraws"), f.expectedHitDraws},
      {QStringLiteral("meanSuccesses"), f.meanSuccesses},
      {QStringLiteral("successes95"), QJsonArray{f.lowSuccesses, f.highSuccesses}},
      {QStringLiteral("expectedSuccesses"), f.expectedSuccesses},
  };
}

}  // namespace

QString ChanceTable(const ChanceBaseline& b) {
  QString text = QStringLiteral("Comparación con el azar: %1 listas al azar de %2 combinaciones, %3 sorteos\n")
                     .arg(SpanishCount(b.randomLists), SpanishCount(b.listSize), SpanishCount(b.drawsTested));
  text += Row(QString(), QStringLiteral("sorteos acertados"), QStringLiteral("aciertos"));
  text += Row(QStringLiteral("Su lista"), SpanishCount(b.listHitDraws), SpanishCount(b.listSuccesses));
  text += FiguresLine(QStringLiteral("Azar, números de B1..B7"), b.fromSelectors);
  text += FiguresLine(QStringLiteral("Azar, números del historial"), b.fromHistory);
  text += ChanceSentence(b, b.fromSelectors) + QLatin1Char('\n');
  return text;
}

QJsonObject ChanceJson(const ChanceBaseline& b) {
  return QJsonObject{
      {QStringLiteral("randomLists"), b.randomLists},
      {QStringLiteral("listSize"), b.listSize},
      {QStringLiteral("drawsTested"), b.drawsTested},
      {QStringLiteral("listHitDraws"), b.listHitDraws},
      {QStringLiteral("listSuccesses"), b.listSuccesses},
      {QStringLiteral("fromSelectors"), FiguresJson(b.fromSelectors)},
      {QStringLiteral("fromHistory"), FiguresJson(b.fromHistory)},
      {QStringLiteral("sentence"), ChanceSentence(b, b.fromSelectors)},
  };
}

}  // namespace tombolix
