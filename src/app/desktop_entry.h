#pragma once

#include <QString>

namespace tombolix {

// The kinds of launcher the program keeps on the user's desktop: a
// freedesktop.org desktop entry, or a Windows Internet shortcut.
enum class LauncherKind { DesktopEntry, InternetShortcut };

QString DesktopLauncherFileName(LauncherKind kind);
// The icon file the launcher names, in the Recursos folder: the platform's
// view writes it (PNG for a desktop entry, ICO for a shortcut).
QString LauncherIconPath(LauncherKind kind, const QString& programFolder);

// A freedesktop.org launcher that starts `executable` in `programFolder` (its
// working folder), with the program's icon from the Recursos folder.
QString DesktopEntryText(const QString& executable, const QString& programFolder);
// A Windows Internet shortcut to the same program.
QString InternetShortcutText(const QString& executable, const QString& programFolder);

// Writes the launcher (all or nothing, never over an existing file) and, for a
// desktop entry, marks it executable. False when it could not be written.
bool WriteDesktopLauncher(LauncherKind kind, const QString& launcherPath, const QString& executable,
                          const QString& programFolder);

}  // namespace tombolix
