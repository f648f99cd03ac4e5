#pragma once

#include "combinations/chance_baseline.h"

#include <QJsonObject>
#include <QString>

namespace tombolix {

// The comparison with chance as a short table, in Spanish, one line per kind
// of list: what the tested list scored, then the mean and 95 % band of each
// kind of random list, with the exact expectation; then the plain sentence
// for random lists drawn from the selectors.
QString ChanceTable(const ChanceBaseline& baseline);

// The same figures for the report tool's JSON output.
QJsonObject ChanceJson(const ChanceBaseline& baseline);

}  // namespace tombolix
