#pragma once

#include <QString>

namespace tombolix {

// Where the program works: a portable program folder (the current folder, laid
// out by its launcher) or, once installed by the package, the user's own data
// folder with the shared files next to the executable.
struct ProgramPlace {
  QString folder;
  bool installed = false;
  // The installed shared data (clips and sample lotteries); empty when portable.
  QString sharedData;
};

// The shared data folder of an installed program: ../share/tombolix from the
// folder of the executable.
QString SharedDataFolder(const QString& executableFolder);
// The marker file the package installs in the shared data folder.
QString InstalledMarker(const QString& executableFolder);

// Installed when the marker exists beside the shared data: then the user's data
// folder; otherwise the current folder, however it may be written.
ProgramPlace ChooseProgramPlace(const QString& executableFolder, const QString& currentFolder,
                                const QString& userDataFolder);

// Fills the user's data folder from the shared data: the clips missing from
// KiRVA on every start, the sample lotteries only when Historiales is new (a
// sample the user deleted stays deleted). Never overwrites a file. False when
// a folder or file could not be made.
bool SeedDataFolder(const QString& sharedData, const QString& dataFolder);

}  // namespace tombolix
