#include "app/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tombolix {

namespace {

// Copies every file of `from` that `to` lacks; existing files are left alone.
bool CopyMissingFiles(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  bool ok = true;
  const QDir source(from);
  const QDir target(to);
  for (const QString& name : source.entryList(QDir::Files)) {
    const QString destination = target.filePath(name);
    if (QFileInfo::exists(destination)) continue;
    if (!QFile::copy(source.filePath(name), destination)) {
      ok = false;
      continue;
    }
    // Shared files are read-only; the user's copies are the user's to edit.
    QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner);
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
  bool ok = CopyMissingFiles(shared.filePath(QStringLiteral("KiRVA")), data.filePath(QStringLiteral("KiRVA")));
  const QString lotteries = data.filePath(QStringLiteral("Historiales"));
  if (!QFileInfo::exists(lotteries)) {
    ok = CopyMissingFiles(shared.filePath(QStringLiteral("Historiales")), lotteries) && ok;
  }
  return ok;
}

}  // namespace tombolix
