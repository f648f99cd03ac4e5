#include "combinations/forecast_chance_report.h"

#include "combinations/chance_baseline.h"
#include "combinations/position_law.h"
#include "history/spanish_numbers.h"

#include <QJsonArray>

#include <cmath>

namespace tombolix {

namespace {

// Rounded to the nearest integer, halves to the even one.
qint64 Rounded(double value) { return static_cast<qint64>(std::nearbyint(value)); }

QString Times(int n) { return SpanishCount(n) + (n == 1 ? QStringLiteral(" vez") : QStringLiteral(" veces")); }

QString Opening(const ForecastChance& r) {
  return r.draws == 1 ? QStringLiteral("En el último sorteo, ")
                      : QStringLiteral("En los últimos ") + SpanishCount(r.draws) + QStringLiteral(" sorteos, ");
}

QString Band(const ForecastChance& r) {
  return r.low == r.high ? SpanishCount(r.low) : SpanishCount(r.low) + QStringLiteral(" a ") + SpanishCount(r.high);
}

QString BandWords(const ForecastChance& r) {
  return r.low == r.high
             ? QStringLiteral("siempre ") + SpanishCount(r.low)
             : QStringLiteral("entre ") + SpanishCount(r.low) + QStringLiteral(" y ") + SpanishCount(r.high);
}

QString Cautions(const ForecastComparison& c) {
  QString text;
  const int done = c.replay.forecast.draws;
  if (c.Capped()) {
    text += QStringLiteral(" Se pidieron %1 sorteos; el historial solo permite repasar %2.")
                .arg(SpanishCount(c.requested), SpanishCount(done));
  }
  if (!c.Judged()) {
    text += QStringLiteral(
                " Sin veredicto: solo se juzga la ventana de análisis (%1 sorteos); probar varias "
                "cantidades y quedarse con la mejor fabrica resultados «mejores que el azar».")
                .arg(SpanishCount(c.window));
  }
  if (c.replay.fewDraws) {
    text += QStringLiteral(
                " El azar de algunos sorteos se estimó con pocos sorteos (menos de %1 antes de los %2 "
                "que leen los análisis).")
                .arg(PositionLaw::kMinDraws)
                .arg(PositionLaw::kLeftOut);
  }
  return text;
}

QJsonObject RowJson(const ForecastComparison& c, const ForecastChance& r) {
  const std::optional<ChanceVerdict> verdict = RowVerdict(c, r);
  return QJsonObject{
      {QStringLiteral("forecasts"), r.trials},
      {QStringLiteral("hits"), r.hits},
      {QStringLiteral("expectedHits"), r.expected},
      {QStringLiteral("variance"), r.variance},
      {QStringLiteral("ratio"), r.Ratio()},
      {QStringLiteral("hits95"), QJsonArray{r.low, r.high}},
      {QStringLiteral("verdict"), verdict ? QJsonValue(VerdictKey(*verdict)) : QJsonValue(QJsonValue::Null)},
  };
}

}  // namespace

std::optional<ChanceVerdict> RowVerdict(const ForecastComparison& c, const ForecastChance& row) {
  if (!c.Judged()) return std::nullopt;
  return row.BandVerdict();
}

QString ForecastChanceSentence(const ForecastComparison& c) {
  const ForecastChance& f = c.replay.forecast;
  const ForecastChance& n = c.replay.naive;
  if (f.draws == 0) return QStringLiteral("No hay sorteos que comparar.");
  const bool cycle = c.source == ForecastSource::Cycle;
  const QString named = cycle ? QStringLiteral("los números pronosticados") : QStringLiteral("los números destacados");
  const QString subject = cycle ? QStringLiteral("El pronóstico") : QStringLiteral("El resumen");
  QString text = Opening(f) + named + QStringLiteral(" salieron ") + Times(f.hits) +
                 QStringLiteral("; al azar se esperaban ") + SpanishCount(Rounded(f.expected)) + QStringLiteral(" (") +
                 BandWords(f) + QStringLiteral(").");
  if (const auto verdict = RowVerdict(c, f))
    text += QLatin1Char(' ') + subject + QLatin1Char(' ') + VerdictWords(*verdict) + u'.';
  text += QStringLiteral(" Nombrar los más frecuentes de cada posición acertó ") + Times(n.hits) +
          QStringLiteral(" (se esperaban ") + SpanishCount(Rounded(n.expected)) + QStringLiteral(", ") + BandWords(n) +
          QStringLiteral(")");
  if (const auto verdict = RowVerdict(c, n)) text += QStringLiteral(": ") + VerdictWords(*verdict);
  return text + u'.' + Cautions(c);
}

QString ForecastChanceTable(const ForecastComparison& c) {
  const auto pair = [](const QString& label, const QString& value) {
    return QStringLiteral("%1%2\n").arg(label, -30).arg(value);
  };
  const auto row = [](const QString& label, const QString& hits, const QString& expected, const QString& band,
                      const QString& ratio, const QString& verdict) {
    return QStringLiteral("%1%2%3%4%5%6")
               .arg(label, -30)
               .arg(hits, -10)
               .arg(expected, -12)
               .arg(band, -18)
               .arg(ratio, -8)
               .arg(verdict)
               .trimmed() +
           u'\n';
  };
  const auto figures = [&](const QString& label, const ForecastChance& r) {
    const std::optional<ChanceVerdict> verdict = RowVerdict(c, r);
    return row(label, SpanishCount(r.hits), SpanishDecimal(r.expected, 1), Band(r), SpanishDecimal(r.Ratio(), 2),
               verdict ? VerdictWords(*verdict) : QStringLiteral("sin veredicto"));
  };
  const ForecastReplay& r = c.replay;
  QString text = pair(QStringLiteral("Sorteos repasados"), SpanishCount(r.forecast.draws));
  text += pair(QStringLiteral("Posiciones con pronóstico"), SpanishCount(r.forecast.trials));
  text += row(QString(), QStringLiteral("aciertos"), QStringLiteral("esperados"), QStringLiteral("franja del 95 %"),
              QStringLiteral("razón"), QStringLiteral("veredicto"));
  text += figures(QStringLiteral("Pronóstico"), r.forecast);
  text += figures(QStringLiteral("Nombrar los más frecuentes"), r.naive);
  text += row(QStringLiteral("Azar (otros tantos al azar)"), QStringLiteral("-"), SpanishDecimal(r.picker.expected, 1),
              Band(r.picker), QString(), QString());
  return text;
}

QJsonObject ForecastChanceJson(const ForecastComparison& c) {
  const ForecastChance& f = c.replay.forecast;
  QJsonObject json = RowJson(c, f);
  json.insert(QStringLiteral("drawsReplayed"), f.draws);
  json.insert(QStringLiteral("requestedDraws"), c.requested);
  json.insert(QStringLiteral("capped"), c.Capped());
  json.insert(QStringLiteral("judged"), c.Judged());
  json.insert(QStringLiteral("fewDraws"), c.replay.fewDraws);
  json.insert(QStringLiteral("naive"), RowJson(c, c.replay.naive));
  json.insert(QStringLiteral("chance"),
              QJsonObject{{QStringLiteral("expectedHits"), c.replay.picker.expected},
                          {QStringLiteral("hits95"), QJsonArray{c.replay.picker.low, c.replay.picker.high}}});
  json.insert(QStringLiteral("sentence"), ForecastChanceSentence(c));
  return json;
}

}  // namespace tombolix
