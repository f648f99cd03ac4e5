#pragma once

#include "history/history.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tombolix {

// One array per position 1..7 (index 0 unused).
using PositionByteArrays = std::array<std::vector<quint8>, kMaxPositions + 1>;
using PositionTextArrays = std::array<QStringList, kMaxPositions + 1>;

// The arrays one analysis leaves for another, owned by the window for the life
// of a loaded history. Each list keeps one spare element at its end (a reset
// list holds just that element); readers skip it by count (FilledCount), never
// by its value: 0 is a real number in digit lotteries.
struct AnalysisArrays {
  // Collect mode of "Frecuencia": candidates of each position in rank order, then the spare (0).
  PositionByteArrays FrequencyRanking = SpareOnly<quint8>(0);
  // Rows of map M1 of "Mapa de la Frecuencia", oldest first, consumed by its map M2.
  QStringList FrequencyMapRows{QString()};
  // Law of the third, silent mode: group codes (102 "%", 101 "$", 100 "#") each
  // followed by the values of its class, then the spare (0).
  PositionByteArrays ThirdLawArrays = SpareOnly<quint8>(0);
  // Forecast by cycle, silent mode: due values as "07%" in list order, then the spare (empty).
  PositionTextArrays ForecastArrays = SpareOnlyText();
  // Rows of the even-odd map M1 and lines of the prime-composite map M1, newest
  // first, consumed by their maps M2; rows of the law-of-the-third map M1, oldest first.
  QStringList EvenOddMapRows{QString()};
  QStringList PrimeLines{QString()};
  QStringList ThirdLawMapRows{QString()};
  // Draw count the last replay map started from (DrawCount - AnalysisWindow).
  int ReplayStart = 0;

  // What the reload branch of the Clear command does to them.
  void Reset() { *this = AnalysisArrays(); }

  template <typename T>
  static std::array<std::vector<T>, kMaxPositions + 1> SpareOnly(T spare) {
    std::array<std::vector<T>, kMaxPositions + 1> arrays;
    for (auto& a : arrays) a.assign(1, spare);
    return arrays;
  }
  static PositionTextArrays SpareOnlyText() {
    PositionTextArrays arrays;
    for (auto& a : arrays) a = QStringList{QString()};
    return arrays;
  }
};

// Elements of a list that carries a spare last element, the spare not counted.
template <typename List>
int FilledCount(const List& list) {
  return list.empty() ? 0 : static_cast<int>(list.size()) - 1;
}

}  // namespace tombolix
