#pragma once

#include "combinations/chance_baseline.h"

#include <QJsonObject>
#include <QString>

namespace tombolix {

// The comparison with chance as a short table, in Spanish, one line per kind
// of list: what the tested list scored, then the mean and range of each kind
// of random list with the exact expectation, successes first; then what the
// range is, the rank and the verdict.
QString ChanceTable(const ChanceBaseline& baseline);

// The same figures and the sentence for the report tool's JSON output
// ("verdict": null when there is none).
QJsonObject ChanceJson(const ChanceBaseline& baseline);

}  // namespace tombolix
