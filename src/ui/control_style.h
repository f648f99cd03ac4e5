#pragma once

#include "reports/report_text.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace tombolix {

inline QColor ToQColor(Rgb colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// Style sheets for flat coloured controls. A background colour alone is not
// drawn exactly by every style; with a border as well the colour is exact.
QString ButtonStyleSheet(Rgb backColour);
QString MapButtonStyleSheet(Rgb backColour);
QString LabelStyleSheet(Rgb backColour);
QString LinkStyleSheet(Rgb backColour);

// Shrinks `font` until `text` fits in `width` pixels (look-alike faces can be
// wider than the designed one); never below 6 points.
QFont FittedFont(QFont font, const QString& text, int width);

}  // namespace tombolix
