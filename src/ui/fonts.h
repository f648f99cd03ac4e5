#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace tombolix {

// The first of `families` installed on this computer; the last one otherwise.
QString InstalledFamily(const QStringList& families);

// The window's type faces, with look-alikes where the original is missing.
QFont VerdanaFont(int pointSize, bool bold = false);  // frames, buttons, analysis list
QFont LucidaFont(int pointSize, bool bold = false);   // lottery box and link labels
QFont CourierFont(int pointSize, bool bold = false);  // selectors
// The report panes: monospace, bold, 15 point.
QFont PaneFont();

}  // namespace tombolix
