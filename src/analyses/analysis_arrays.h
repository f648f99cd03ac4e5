#pragma once

#include "history/history.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tombolix {

// The arrays one analysis leaves for another, owned by the window for the
// life of a loaded history. Layouts follow the program's rules: 1-based lists
// whose last element is a spare (the reload resets each list to one element).
struct AnalysisArrays {
  // Collect mode of "Frecuencia": candidates of each position in rank order,
  // plus one spare element (value 0). Index 0 of the outer array is unused.
  std::array<std::vector<quint8>, kMaxPositions + 1> FrequencyRanking;
  // Rows of map M1 of "Mapa de la Frecuencia", consumed by its map M2.
  QStringList FrequencyMapRows{QString()};
  // Law of the third, silent mode: group codes 102/101/100 and values, ending with a spare 0.
  std::array<std::vector<quint8>, kMaxPositions + 1> ThirdLawArrays;
  // Forecast by cycle, silent mode: three-character elements ("07%"), ending with a spare blank.
  std::array<QStringList, kMaxPositions + 1> ForecastArrays;
  // Map rows of the even-odd and prime-composite maps, consumed by their M2 maps.
  QStringList EvenOddMapRows{QString()};
  QStringList PrimeLines{QString()};
  QStringList ThirdLawMapRows{QString()};
  int ReplayStart = 0;

  // What the reload branch of the Clear command does to them.
  void Reset() { *this = AnalysisArrays(); }
};

}  // namespace tombolix
