#pragma once

#include "reports/report_text.h"

namespace tombolix {

// The "Colores de alto contraste" palette: every report colour but white
// turned into one that colour-blind players tell apart and that reads on
// white at 4.5:1 or more. White stays white (hidden marks must stay hidden).
// Colours the reports do not use go to the nearest report colour's
// counterpart. The report model keeps the program's own colours: only the
// view and the charts draw through this.
Rgb HighContrastColour(Rgb colour);

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double ContrastRatio(Rgb a, Rgb b);

}  // namespace tombolix
