#pragma once

#include "reports/report_text.h"

#include <QColor>

namespace tombolix {

// How the view paints report colours: as the reports hold them, or through
// the high-contrast palette when the user chose "Colores de alto contraste".
// One switch for the whole view, so the panes, the charts and the help pages
// agree.
void SetHighContrastColours(bool on);
bool HighContrastColours();
QColor DisplayColour(Rgb colour);

}  // namespace tombolix
