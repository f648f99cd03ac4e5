#include "app/tombolix_app.h"

namespace tombolix {

// Computes the report of `pane` into it (the pane holds " " when called).
void TombolixApp::ComputePane(int /*pane*/) {}

}  // namespace tombolix
