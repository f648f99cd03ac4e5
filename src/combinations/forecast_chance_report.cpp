#include "combinations/forecast_chance_report.h"

#include "combinations/chance_baseline.h"

#include <QJsonArray>

#include <cmath>

namespace tombolix {

namespace {

// "3,25": a figure with the Spanish decimal comma.
QString Decimals(double value, int digits) {
  return QString::number(value, 'f', digits).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Rounded to the nearest integer, halves to the even one.
qint64 Rounded(double value) { return static_cast<qint64>(std::nearbyint(value)); }

QString Times(int n) { return SpanishCount(n) + (n == 1 ? QStringLiteral(" vez") : QStringLiteral(" veces")); }

QString Opening(const ForecastChance& r) {
  return r.draws == 1 ? QStringLiteral("En el último sorteo, ")
                      : QStringLiteral("En los últimos ") + SpanishCount(r.draws) + QStringLiteral(" sorteos, ");
}

QString VerdictText(const ForecastChance& r, ForecastSource source) {
  const QString subject =
      source == ForecastSource::Cycle ? QStringLiteral("El pronóstico") : QStringLiteral("El resumen");
  switch (r.Verdict()) {
    case ChanceVerdict::Above:
      return subject + QStringLiteral(" acertó más de lo que se espera del azar.");
    case ChanceVerdict::Below:
      return subject + QStringLiteral(" acertó menos de lo que se espera del azar.");
    case ChanceVerdict::Chance:
      break;
  }
  return subject + QStringLiteral(" no se distingue del azar.");
}

QString Band(const ForecastChance& r) {
  return r.low == r.high ? SpanishCount(r.low) : SpanishCount(r.low) + QStringLiteral(" a ") + SpanishCount(r.high);
}

QString VerdictKey(ChanceVerdict v) {
  switch (v) {
    case ChanceVerdict::Above:
      return QStringLiteral("above");
    case ChanceVerdict::Below:
      return QStringLiteral("below");
    case ChanceVerdict::Chance:
      break;
  }
  return QStringLiteral("chance");
}

}  // namespace

QString ForecastChanceSentence(const ForecastChance& r, ForecastSource source) {
  const QString named = source == ForecastSource::Cycle ? QStringLiteral("los números pronosticados")
                                                        : QStringLiteral("los números destacados");
  const QString band = r.low == r.high ? QStringLiteral(" (siempre ") + SpanishCount(r.low) + QLatin1Char(')')
                                       : QStringLiteral(" (entre ") + SpanishCount(r.low) + QStringLiteral(" y ") +
                                             SpanishCount(r.high) + QLatin1Char(')');
  return Opening(r) + named + QStringLiteral(" salieron ") + Times(r.hits) + QStringLiteral("; al azar se esperaban ") +
         SpanishCount(Rounded(r.expected)) + band + QStringLiteral(". ") + VerdictText(r, source);
}

QString ForecastChanceTable(const ForecastChance& r) {
  const auto row = [](const QString& label, const QString& value) {
    return QStringLiteral("%1%2\n").arg(label, -26).arg(value);
  };
  QString text = row(QStringLiteral("Sorteos repasados"), SpanishCount(r.draws));
  text += row(QStringLiteral("Aciertos"), SpanishCount(r.hits));
  text += row(QStringLiteral("Esperados al azar"), Decimals(r.expected, 1));
  text += row(QStringLiteral("Razón"), Decimals(r.Ratio(), 2));
  text += row(QStringLiteral("Franja del 95 % al azar"), Band(r));
  return text;
}

QJsonObject ForecastChanceJson(const ForecastChance& r, ForecastSource source) {
  return QJsonObject{
      {QStringLiteral("drawsReplayed"), r.draws},
      {QStringLiteral("forecasts"), r.trials},
      {QStringLiteral("hits"), r.hits},
      {QStringLiteral("expectedHits"), r.expected},
      {QStringLiteral("variance"), r.variance},
      {QStringLiteral("ratio"), r.Ratio()},
      {QStringLiteral("hits95"), QJsonArray{r.low, r.high}},
      {QStringLiteral("verdict"), VerdictKey(r.Verdict())},
      {QStringLiteral("sentence"), ForecastChanceSentence(r, source)},
  };
}

}  // namespace tombolix
