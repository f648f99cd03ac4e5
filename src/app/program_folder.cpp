#include "app/program_folder.h"

#include "files/file_io.h"
#include "files/program_paths.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

namespace {

// The shared files are sample histories and voice clips, all far smaller.
constexpr qint64 kSharedFileByteLimit = qint64{64} << 20;

// Copies every file of `from` that `to` lacks; existing files are left alone,
// as is one that appears while it is copied. The copies are the user's to edit.
bool CopyMissingFiles(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  bool ok = true;
  const QDir source(from);
  const QDir target(to);
  for (const QString& name : source.entryList(QDir::Files)) {
    const QString destination = target.filePath(name);
    if (QFileInfo::exists(destination)) continue;
    const ReadOutcome read = ReadAtMost(source.filePath(name), kSharedFileByteLimit);
    const bool copied = read.error.isEmpty() && WriteWhole(destination, read.bytes, WriteMode::NewOnly).isEmpty();
    ok = (copied || QFileInfo::exists(destination)) && ok;
  }
  return ok;
}

}  // namespace

QString SharedDataFolder(const QString& executableFolder) {
  return QDir::cleanPath(executableFolder + QStringLiteral("/../share/tombolix"));
}

QString InstalledMarker(const QString& executableFolder) {
  return SharedDataFolder(executableFolder) + QStringLiteral("/installed");
}

ProgramPlace ChooseProgramPlace(const QString& executableFolder, const QString& currentFolder,
                                const QString& userDataFolder) {
  if (!executableFolder.isEmpty() && !userDataFolder.isEmpty() &&
      QFileInfo(InstalledMarker(executableFolder)).isFile()) {
    return {userDataFolder, true, SharedDataFolder(executableFolder)};
  }
  return {currentFolder, false, QString()};
}

bool SeedDataFolder(const QString& sharedData, const QString& dataFolder) {
  const QDir shared(sharedData);
  const QDir data(dataFolder);
  bool ok = CopyMissingFiles(shared.filePath(program_paths::kClips), data.filePath(program_paths::kClips));
  const QString lotteries = program_paths::DefaultHistories(dataFolder);
  if (!QFileInfo::exists(lotteries)) {
    ok = CopyMissingFiles(shared.filePath(program_paths::kHistories), lotteries) && ok;
  }
  return ok;
}

}  // namespace tombolix
