#include "app/desktop_entry.h"

#include "files/file_io.h"
#include "files/program_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace tombolix {

namespace {

// A string value of a desktop entry: backslash and control characters escaped.
QString EntryString(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (const QChar c : value) {
    if (c == QLatin1Char('\\')) {
      out += QStringLiteral("\\\\");
    } else if (c == QLatin1Char('\n')) {
      out += QStringLiteral("\\n");
    } else if (c == QLatin1Char('\t')) {
      out += QStringLiteral("\\t");
    } else if (c == QLatin1Char('\r')) {
      out += QStringLiteral("\\r");
    } else {
      out += c;
    }
  }
  return out;
}

// One quoted argument of the Exec key: inside double quotes, " ` $ and \ take
// a backslash; % is doubled (it introduces field codes). The result is then a
// string value like any other.
QString ExecArgument(const QString& argument) {
  QString quoted = QStringLiteral("\"");
  for (const QChar c : argument) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
      quoted += QLatin1Char('\\');
    } else if (c == QLatin1Char('%')) {
      quoted += QLatin1Char('%');
    }
    quoted += c;
  }
  quoted += QLatin1Char('"');
  return EntryString(quoted);
}

}  // namespace

QString DesktopLauncherFileName(LauncherKind kind) {
  return kind == LauncherKind::InternetShortcut ? QStringLiteral("Tombolix.url") : QStringLiteral("Tombolix.desktop");
}

QString LauncherIconPath(LauncherKind kind, const QString& programFolder) {
  return program_paths::Icon(programFolder,
                             kind == LauncherKind::InternetShortcut ? QStringLiteral("ico") : QStringLiteral("png"));
}

QString DesktopEntryText(const QString& executable, const QString& programFolder) {
  QString text = QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Version=1.0\n");
  text += QStringLiteral("Name=Tombolix\n");
  text += QStringLiteral("Comment=Análisis de loterías, chance y quiniela\n");
  text += QStringLiteral("Exec=") + ExecArgument(executable) + QLatin1Char('\n');
  text += QStringLiteral("Path=") + EntryString(programFolder) + QLatin1Char('\n');
  text += QStringLiteral("Icon=") + EntryString(LauncherIconPath(LauncherKind::DesktopEntry, programFolder)) +
          QLatin1Char('\n');
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("Categories=Utility;\n");
  return text;
}

QString InternetShortcutText(const QString& executable, const QString& programFolder) {
  QString text = QStringLiteral("[InternetShortcut]\r\n");
  text +=
      QStringLiteral("URL=") + QUrl::fromLocalFile(executable).toString(QUrl::FullyEncoded) + QStringLiteral("\r\n");
  text += QStringLiteral("WorkingDirectory=") + QDir::toNativeSeparators(programFolder) + QStringLiteral("\r\n");
  text += QStringLiteral("IconFile=") +
          QDir::toNativeSeparators(LauncherIconPath(LauncherKind::InternetShortcut, programFolder)) +
          QStringLiteral("\r\n");
  text += QStringLiteral("IconIndex=0\r\n");
  return text;
}

bool WriteDesktopLauncher(LauncherKind kind, const QString& launcherPath, const QString& executable,
                          const QString& programFolder) {
  if (!QDir().mkpath(QFileInfo(launcherPath).absolutePath())) return false;
  const bool shortcut = kind == LauncherKind::InternetShortcut;
  const QString text =
      shortcut ? InternetShortcutText(executable, programFolder) : DesktopEntryText(executable, programFolder);
  // A launcher that is already there is the user's: it is never written over.
  if (!WriteWhole(launcherPath, text.toUtf8(), WriteMode::NewOnly).isEmpty()) return false;
  if (!shortcut) {
    QFile::setPermissions(launcherPath, QFile::permissions(launcherPath) | QFileDevice::ExeOwner |
                                            QFileDevice::ExeGroup | QFileDevice::ExeOther);
  }
  return true;
}

}  // namespace tombolix
