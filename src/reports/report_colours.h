#pragma once

#include "reports/report_text.h"

namespace tombolix::report_colours {

// The colours the reports paint their marks and labels in: the thirds of a
// ranking, the position labels, and the lighter tones of the maps.
inline constexpr Rgb kRed = MakeRgb(255, 0, 0);
inline constexpr Rgb kGreen = MakeRgb(0, 192, 0);
inline constexpr Rgb kBlue = MakeRgb(0, 0, 255);
inline constexpr Rgb kGrey = MakeRgb(128, 128, 128);
inline constexpr Rgb kLightGrey = MakeRgb(224, 224, 224);
inline constexpr Rgb kLightRed = MakeRgb(255, 128, 128);
inline constexpr Rgb kLightBlue = MakeRgb(128, 128, 255);

}  // namespace tombolix::report_colours
