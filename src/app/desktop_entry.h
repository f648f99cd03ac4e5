#pragma once

#include <QString>

namespace tombolix {

// The launcher file name the program keeps on the user's desktop.
QString DesktopLauncherFileName();

// A freedesktop.org launcher that starts `executable` in `programFolder` (its
// working folder), with the program's icon from the Recursos folder.
QString DesktopEntryText(const QString& executable, const QString& programFolder);
// A Windows Internet shortcut to the same program.
QString InternetShortcutText(const QString& executable, const QString& programFolder);

// Writes the launcher for this platform (all or nothing) and, for a
// freedesktop launcher, marks it executable. False when it could not be written.
bool WriteDesktopLauncher(const QString& launcherPath, const QString& executable, const QString& programFolder);

}  // namespace tombolix
