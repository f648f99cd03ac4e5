#pragma once

#include <QString>

namespace tombolix {

// A comparison with chance as the window shows it: the plain sentence and the table of figures.
struct ChanceTexts {
  QString sentence;
  QString table;
};

}  // namespace tombolix
