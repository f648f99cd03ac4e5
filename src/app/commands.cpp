#include "app/command_log.h"
#include "app/tombolix_app.h"

namespace tombolix {

// A press of CmdFuncion(index). Every command ends with the focus on the
// analysis list.
void TombolixApp::RunCommand(int index) {
  if (index >= 0 && index < kCommandCount) {
    RunCommand(static_cast<Command>(index));
  } else if (!Ending(model_)) {
    model_.focus = Focus{FocusTarget::LstFormula, 0};
  }
}

void TombolixApp::RunCommand(Command command) {
  if (Ending(model_)) return;
  HideWarning();
  qCInfo(lcCommands).noquote() << "command" << Index(command) << model_.Cmd(command).caption;
  switch (command) {
    case Command::Buscar:
      Buscar();
      break;
    case Command::Automatico:
      Automatico();
      break;
    case Command::Actualizar:
      Actualizar();
      break;
    case Command::Combinaciones:
      lists_.Combinaciones();
      break;
    case Command::Limpiar:
      Limpiar();
      break;
    case Command::Agregar:
      Agregar();
      break;
    case Command::Reiniciar:
      Reiniciar();
      break;
    case Command::AnalisisIa:
      AnalisisIaCommand();
      break;
    default:
      break;
  }
  model_.focus = Focus{FocusTarget::LstFormula, 0};
}

}  // namespace tombolix
