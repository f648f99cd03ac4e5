#pragma once

#include <QIcon>
#include <QString>

namespace tombolix {

// The program's icon, drawn here so that the program needs no image file: a
// lottery ball on the colour of the search button.
QIcon ProgramIcon();
// Writes the icon as a file of `size` pixels (for the desktop launcher) unless
// the file exists: an ICO file when the name ends in ".ico", else a PNG file.
bool SaveProgramIcon(const QString& path, int size = 128);

}  // namespace tombolix
