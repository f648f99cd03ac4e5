#pragma once

namespace tombolix {

inline constexpr int kPaneCount = 22;

// Pane numbers by role. What each pane holds, how it is opened and computed is
// described once, in the pane table of the app layer.
namespace Pane {
inline constexpr int Start = 0;
inline constexpr int HistorialAciertos = 1;
inline constexpr int Frecuencia = 2;
inline constexpr int MapaFrecuenciaM1 = 3;
inline constexpr int LeyTercio = 4;
inline constexpr int MapaLeyTercioM1 = 5;
inline constexpr int CicloAparicion = 6;
inline constexpr int PronosticoM1 = 7;
inline constexpr int Consecutivos = 8;
inline constexpr int Repetidos = 9;
inline constexpr int ParesImparesM1 = 10;
inline constexpr int PatronJugadas = 11;
inline constexpr int MapaFrecuenciaM2 = 12;
inline constexpr int MapaLeyTercioM2 = 13;
inline constexpr int GeneradorM1 = 14;
inline constexpr int GeneradorM2 = 15;
inline constexpr int PrimosM1 = 16;
inline constexpr int ParesImparesM2 = 17;
inline constexpr int PrimosM2 = 18;
inline constexpr int PatronUltimoSorteo = 19;
inline constexpr int ResumenIA = 20;
inline constexpr int PronosticoM2 = 21;
}  // namespace Pane

}  // namespace tombolix
