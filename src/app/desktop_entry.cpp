#include "app/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

QString IconPath(const QString& programFolder) { return programFolder + QStringLiteral("/Recursos/Tombolix.png"); }

}  // namespace

QString DesktopLauncherFileName() {
#ifdef Q_OS_WIN
  return QStringLiteral("Tombolix.url");
#else
  return QStringLiteral("Tombolix.desktop");
#endif
}

QString DesktopEntryText(const QString& executable, const QString& programFolder) {
  QString text = QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Version=1.0\n");
  text += QStringLiteral("Name=Tombolix\n");
  text += QStringLiteral("Comment=Análisis de loterías, chance y quiniela\n");
  text += QStringLiteral("Exec=") + ExecArgument(executable) + QLatin1Char('\n');
  text += QStringLiteral("Path=") + EntryString(programFolder) + QLatin1Char('\n');
  text += QStringLiteral("Icon=") + EntryString(IconPath(programFolder)) + QLatin1Char('\n');
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
          QDir::toNativeSeparators(programFolder + QStringLiteral("/Recursos/Tombolix.ico")) + QStringLiteral("\r\n");
  text += QStringLiteral("IconIndex=0\r\n");
  return text;
}

bool WriteDesktopLauncher(const QString& launcherPath, const QString& executable, const QString& programFolder) {
  const QFileInfo info(launcherPath);
  if (!QDir().mkpath(info.absolutePath())) return false;
  QSaveFile file(launcherPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
#ifdef Q_OS_WIN
  file.write(InternetShortcutText(executable, programFolder).toUtf8());
#else
  file.write(DesktopEntryText(executable, programFolder).toUtf8());
#endif
  if (!file.commit()) return false;
#ifndef Q_OS_WIN
  QFile::setPermissions(launcherPath, QFile::permissions(launcherPath) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                          QFileDevice::ExeOther);
#endif
  return true;
}

}  // namespace tombolix
