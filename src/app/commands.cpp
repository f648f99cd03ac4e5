#include "app/tombolix_app.h"

namespace tombolix {

// A press of CmdFuncion(index). Every command ends with the focus on the
// analysis list.
void TombolixApp::RunCommand(int index) {
  if (Ending()) return;
  switch (index) {
    case 3:
      Limpiar();
      break;
    default:
      break;
  }
  model_.focus = Focus{FocusTarget::LstFormula, 0};
}

}  // namespace tombolix
