#pragma once

#include <QtGlobal>

#include <array>

namespace tombolix {

// One draw read from a results file: its date as yyyymmdd, the source line it
// came from, and its numbers in the order written. Kept small: a large file
// holds millions of them.
struct ImportedDraw {
  int key = 0;
  qsizetype line = 0;
  quint8 count = 0;
  std::array<quint8, 7> numbers{};
};

}  // namespace tombolix
