#pragma once

#include "combinations/forecast_chance.h"

#include <QJsonObject>
#include <QString>

namespace tombolix {

// Which report's numbers were weighed: the due values of the forecast by
// cycle, or the values the AI summary highlights.
enum class ForecastSource { Cycle, Summary };

// The one plain sentence: "En los últimos 100 sorteos, los números
// pronosticados salieron 41 veces; al azar se esperaban 39 (entre 28 y 51).
// El pronóstico no se distingue del azar."
QString ForecastChanceSentence(const ForecastChance& result, ForecastSource source);

// The figures as a short table in Spanish: hits, expected hits, ratio and the
// 95 % band of random picks, one per line.
QString ForecastChanceTable(const ForecastChance& result);

// The same figures and the sentence for the report tool's JSON output.
QJsonObject ForecastChanceJson(const ForecastChance& result, ForecastSource source);

}  // namespace tombolix
