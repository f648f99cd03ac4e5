#include "reports/panes.h"

namespace tombolix {

bool IsMapPane(int pane) {
  for (const auto& pair : kMapPairs) {
    if (pair[0] == pane || pair[1] == pane) return true;
  }
  return false;
}

}  // namespace tombolix
