#include "ui/display_colours.h"

#include "reports/high_contrast.h"

namespace tombolix {

namespace {
bool highContrast = false;
}  // namespace

void SetHighContrastColours(bool on) { highContrast = on; }

bool HighContrastColours() { return highContrast; }

QColor DisplayColour(Rgb colour) {
  const Rgb shown = highContrast ? HighContrastColour(colour) : colour;
  return QColor(RedOf(shown), GreenOf(shown), BlueOf(shown));
}

}  // namespace tombolix
