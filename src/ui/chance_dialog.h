#pragma once

#include "combinations/chance_baseline.h"

class QWidget;

namespace tombolix {

// Shows what random lists of the same size scored against the back-tested
// list: the table of figures and one plain sentence. Modal; returns when closed.
void ShowChanceDialog(QWidget* parent, const ChanceBaseline& baseline);

}  // namespace tombolix
