#pragma once

#include <QDir>
#include <QString>

// Where the program keeps its own files: every name below is relative to the
// program folder, and every path the program makes from one comes from here.
namespace tombolix::program_paths {

inline const QString kResources = QStringLiteral("Recursos");
inline const QString kHistories = QStringLiteral("Historiales");
inline const QString kClips = QStringLiteral("KiRVA");
inline const QString kReadme = QStringLiteral("Tombolix Léame.TXT");

inline QString In(const QString& programFolder, const QString& name) { return QDir(programFolder).filePath(name); }
inline QString Resource(const QString& programFolder, const QString& fileName) {
  return In(programFolder, kResources + QLatin1Char('/') + fileName);
}

// The history folder's path, on one line (UTF-8).
inline QString Configuration(const QString& programFolder) {
  return Resource(programFolder, QStringLiteral("Tombolix.INI"));
}
// The selected lottery's place in the list, one 46-byte record.
inline QString Selection(const QString& programFolder) {
  return Resource(programFolder, QStringLiteral("Tombolix.LTR"));
}
inline QString Settings(const QString& programFolder) {
  return Resource(programFolder, QStringLiteral("Tombolix.ajustes"));
}
inline QString Log(const QString& programFolder) { return Resource(programFolder, QStringLiteral("Tombolix.log")); }
inline QString Lock(const QString& programFolder) { return Resource(programFolder, QStringLiteral("Tombolix.lock")); }
// The program's icon as a desktop launcher names it: `suffix` is "png" or "ico".
inline QString Icon(const QString& programFolder, const QString& suffix) {
  return Resource(programFolder, QStringLiteral("Tombolix.") + suffix);
}
inline QString DefaultHistories(const QString& programFolder) { return In(programFolder, kHistories); }
inline QString Readme(const QString& programFolder) { return In(programFolder, kReadme); }
// Voice clip n without its extension (".mp3" or ".wav"), relative to the program folder.
inline QString Clip(int number) { return kClips + QStringLiteral("/KiRVA-") + QString::number(number); }

}  // namespace tombolix::program_paths
