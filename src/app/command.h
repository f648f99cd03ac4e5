#pragma once

namespace tombolix {

// The eight command buttons CmdFuncion(0..7), by what they do; the value is
// the button's index. Captions as the window shows them.
enum class Command : int {
  Buscar = 0,         // "BUSCAR"
  Automatico = 1,     // "AUTOMÁTICO"
  Actualizar = 2,     // "ACTUALIZAR"
  Limpiar = 3,        // "LIMPIAR"
  Combinaciones = 4,  // "COMBINACIONES"
  Agregar = 5,        // "AGREGAR"
  Reiniciar = 6,      // "REINICIAR"
  AnalisisIa = 7,     // "ANÁLISIS iA"
};
inline constexpr int kCommandCount = 8;

constexpr int Index(Command command) { return static_cast<int>(command); }

}  // namespace tombolix
