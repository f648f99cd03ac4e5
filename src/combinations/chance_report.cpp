#include "combinations/chance_report.h"

#include "history/spanish_numbers.h"

#include <QJsonArray>

namespace tombolix {

namespace {

// One row: the label, then the successes and draws-hit columns.
QString Row(const QString& label, const QString& successes, const QString& hitDraws) {
  return QStringLiteral("%1%2%3\n").arg(label, -30).arg(successes, -36).arg(hitDraws);
}

// "95,7 (92 a 98; esperado 95,6)": mean, range and exact expectation.
QString Spread(double mean, int low, int high, double expected) {
  return QStringLiteral("%1 (%2 a %3; esperado %4)")
      .arg(SpanishDecimal(mean, 1), SpanishCount(low), SpanishCount(high), SpanishDecimal(expected, 1));
}

QString FiguresLine(const QString& label, const ChanceFigures& f) {
  return Row(label, Spread(f.meanSuccesses, f.lowSuccesses, f.highSuccesses, f.expectedSuccesses),
             Spread(f.meanHitDraws, f.lowHitDraws, f.highHitDraws, f.expectedHitDraws));
}

QJsonObject FiguresJson(const ChanceFigures& f) {
  return QJsonObject{
      {QStringLiteral("listSize"), f.listSize},
      {QStringLiteral("meanHitDraws"), f.meanHitDraws},
      {QStringLiteral("hitDraws95"), QJsonArray{f.lowHitDraws, f.highHitDraws}},
      {QStringLiteral("expectedHitDraws"), f.expectedHitDraws},
      {QStringLiteral("meanSuccesses"), f.meanSuccesses},
      {QStringLiteral("successes95"), QJsonArray{f.lowSuccesses, f.highSuccesses}},
      {QStringLiteral("expectedSuccesses"), f.expectedSuccesses},
      {QStringLiteral("fewerSuccesses"), f.fewerSuccesses},
      {QStringLiteral("equalSuccesses"), f.equalSuccesses},
  };
}

QString OriginKey(ListOrigin origin) {
  switch (origin) {
    case ListOrigin::GeneratedNow:
      return QStringLiteral("generatedNow");
    case ListOrigin::BuiltBefore:
      return QStringLiteral("builtBefore");
    case ListOrigin::Saved:
      break;
  }
  return QStringLiteral("saved");
}

}  // namespace

QString ChanceTable(const ChanceBaseline& b) {
  QString text =
      QStringLiteral("%1 listas al azar de %2 combinaciones, %3 sorteos\n")
          .arg(SpanishCount(b.randomLists), SpanishCount(b.fromSelectors.listSize), SpanishCount(b.drawsTested));
  text += Row(QString(), QStringLiteral("aciertos"), QStringLiteral("sorteos acertados"));
  // On fresh draws the list is the generator's own, not the one the user holds.
  const QString listLabel =
      b.origin == ListOrigin::BuiltBefore ? QStringLiteral("Lista del generador") : QStringLiteral("Su lista");
  text += Row(listLabel, SpanishCount(b.listSuccesses), SpanishCount(b.listHitDraws));
  text += FiguresLine(QStringLiteral("Azar, números de B1..B7"), b.fromSelectors);
  text += FiguresLine(QStringLiteral("Azar, números del historial"), b.fromHistory);
  if (b.HasBand()) {
    text += QStringLiteral("Franjas: el 95 % central de las listas al azar.\n");
  } else {
    text += QStringLiteral("Rangos: mínimo–máximo de %1 listas (sin veredicto: hacen falta al menos %2).\n")
                .arg(SpanishCount(b.randomLists))
                .arg(kMinBandLists);
  }
  if (b.Widened()) {
    text +=
        QStringLiteral("Franja del veredicto, ensanchada por la dispersión propia de la lista (%1 veces): %2 a %3.\n")
            .arg(SpanishDecimal(b.spreadRatio, 1), SpanishCount(b.VerdictLow()), SpanishCount(b.VerdictHigh()));
  }
  text += QStringLiteral("Puesto: ") + RankWords(b) + QStringLiteral(" de las listas al azar de B1..B7");
  if (const std::optional<ChanceVerdict> verdict = b.Verdict()) text += QStringLiteral("; ") + VerdictWords(*verdict);
  return text + QStringLiteral(".\n");
}

QJsonObject ChanceJson(const ChanceBaseline& b) {
  const std::optional<ChanceVerdict> verdict = b.Verdict();
  return QJsonObject{
      {QStringLiteral("randomLists"), b.randomLists},
      {QStringLiteral("listSize"), b.listSize},
      {QStringLiteral("drawsTested"), b.drawsTested},
      {QStringLiteral("listHitDraws"), b.listHitDraws},
      {QStringLiteral("listSuccesses"), b.listSuccesses},
      {QStringLiteral("listOrigin"), OriginKey(b.origin)},
      {QStringLiteral("band"), b.HasBand() ? QStringLiteral("95") : QStringLiteral("minmax")},
      {QStringLiteral("rank"), RankWords(b)},
      {QStringLiteral("verdictBand"),
       b.HasBand() ? QJsonValue(QJsonArray{b.VerdictLow(), b.VerdictHigh()}) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("spreadRatio"), b.spreadDraws > 0 ? QJsonValue(b.spreadRatio) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("spreadDraws"), b.spreadDraws},
      {QStringLiteral("verdict"), verdict ? QJsonValue(VerdictKey(*verdict)) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("fromSelectors"), FiguresJson(b.fromSelectors)},
      {QStringLiteral("fromHistory"), FiguresJson(b.fromHistory)},
      {QStringLiteral("sentence"), ChanceSentence(b)},
  };
}

}  // namespace tombolix
