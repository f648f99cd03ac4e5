#pragma once

#include "combinations/forecast_replay.h"

#include <QJsonObject>
#include <QString>

namespace tombolix {

// Which report's numbers were weighed: the due values of the forecast by
// cycle, or the values the AI summary highlights.
enum class ForecastSource { Cycle, Summary };

// A replay as the window or the tool asked for it.
struct ForecastComparison {
  ForecastReplay replay;
  ForecastSource source = ForecastSource::Cycle;
  int requested = 0;  // draws asked for; 0: the analysis window
  int window = 0;     // draws the analysis window replays: the only count judged
  bool Judged() const { return replay.forecast.draws > 0 && replay.forecast.draws == window; }
  bool Capped() const { return requested > replay.forecast.draws; }
};

// The verdict of a row, when the comparison is judged.
std::optional<ChanceVerdict> RowVerdict(const ForecastComparison& comparison, const ForecastChance& row);

// The plain sentences: the forecast against chance, the naive rule beside
// it, and any caution (a count other than the window, a capped count, few
// draws behind the chance). "No hay sorteos que comparar" when nothing was replayed.
QString ForecastChanceSentence(const ForecastComparison& comparison);

// The figures as a short table in Spanish: the draws replayed, the
// position-draws forecast, then one row each for the forecast, the naive rule
// and chance.
QString ForecastChanceTable(const ForecastComparison& comparison);

// The same figures and the sentence for the report tool's JSON output.
QJsonObject ForecastChanceJson(const ForecastComparison& comparison);

}  // namespace tombolix
