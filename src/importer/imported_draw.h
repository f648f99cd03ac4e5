#pragma once

#include <QtGlobal>

#include <array>

namespace tombolix {

// One draw read from an imported file.
struct ImportedDraw {
  int key = 0;                      // the date as yyyymmdd
  qsizetype line = 0;               // its line in the imported file
  quint8 count = 0;                 // numbers used in `numbers`
  std::array<quint8, 7> numbers{};  // in the order drawn
};

}  // namespace tombolix
