#pragma once

#include "reports/report_text.h"

namespace tombolix {

// Back colours the window gives its buttons and map buttons.
namespace ControlColour {
inline constexpr Rgb Buscar = MakeRgb(255, 255, 192);
inline constexpr Rgb Automatico = MakeRgb(192, 255, 192);
inline constexpr Rgb Actualizar = MakeRgb(192, 192, 255);
inline constexpr Rgb Limpiar = MakeRgb(255, 128, 128);
inline constexpr Rgb Combinaciones = MakeRgb(192, 255, 192);
inline constexpr Rgb CombinacionesInUse = MakeRgb(0, 255, 0);
inline constexpr Rgb Agregar = MakeRgb(192, 192, 255);
inline constexpr Rgb Reiniciar = MakeRgb(255, 128, 128);
inline constexpr Rgb ReiniciarAdvised = MakeRgb(255, 192, 192);
inline constexpr Rgb AnalisisIa = MakeRgb(255, 255, 192);
inline constexpr Rgb AnalisisIaOwnRun = MakeRgb(255, 255, 128);
// The map button of the map being shown, and the other one.
inline constexpr Rgb MapShown = MakeRgb(192, 255, 255);
inline constexpr Rgb MapOther = MakeRgb(224, 224, 224);
// Text colours of the start pane's rejection message and of the banner.
inline constexpr Rgb Rejection = MakeRgb(255, 128, 128);
inline constexpr Rgb BannerText = MakeRgb(128, 128, 128);
inline constexpr Rgb BannerName = MakeRgb(255, 128, 128);
}  // namespace ControlColour

}  // namespace tombolix
