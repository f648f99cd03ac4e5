#include "app/program_folder.h"
#include "support/fake_platform.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QFile>

#include <utility>

namespace tombolix::test {
namespace {

// Only the marker beside the shared data makes the program installed; a
// read-only program folder stays portable.
TEST(ProgramFolderTest, TheMarkerAloneChoosesTheInstalledMode) {
  for (const auto& [marker, readOnly] : {std::pair{true, false}, {false, false}, {false, true}}) {
    TempFolder temp;
    const QString current = temp.MakeFolder(QStringLiteral("Tombolix"));
    if (marker) temp.Write(QStringLiteral("usr/share/tombolix/installed"), "x");
    if (readOnly) QFile::setPermissions(current, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString data = temp.FilePath(QStringLiteral("home/Tombolix"));
    const ProgramPlace place = ChooseProgramPlace(temp.MakeFolder(QStringLiteral("usr/bin")), current, data);
    EXPECT_EQ(place.installed, marker);
    EXPECT_EQ(place.folder, marker ? data : current);
    EXPECT_EQ(place.sharedData, marker ? temp.FilePath(QStringLiteral("usr/share/tombolix")) : QString());
    QFile::setPermissions(current, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
}

// Later starts add new clips only: the user's edits stay, a deleted sample stays deleted.
TEST(ProgramFolderTest, SeedingCopiesOnlyWhatIsMissing) {
  TempFolder temp;
  const QString shared = temp.MakeFolder(QStringLiteral("share"));
  const QString data = temp.FilePath(QStringLiteral("home/Tombolix"));
  temp.Write(QStringLiteral("share/KiRVA/uno.wav"), "clip1");
  temp.Write(QStringLiteral("share/Historiales/A.txt"), "shared A");
  temp.Write(QStringLiteral("share/Historiales/B.txt"), "shared B");
  ASSERT_TRUE(SeedDataFolder(shared, data));
  EXPECT_EQ(ReadFile(data + QStringLiteral("/Historiales/B.txt")), "shared B");
  temp.Write(QStringLiteral("home/Tombolix/Historiales/A.txt"), "mine");
  QFile::remove(data + QStringLiteral("/Historiales/B.txt"));
  temp.Write(QStringLiteral("share/KiRVA/dos.wav"), "clip2");
  ASSERT_TRUE(SeedDataFolder(shared, data));
  EXPECT_EQ(ReadFile(data + QStringLiteral("/Historiales/A.txt")), "mine");
  EXPECT_FALSE(QFile::exists(data + QStringLiteral("/Historiales/B.txt")));
  EXPECT_EQ(ReadFile(data + QStringLiteral("/KiRVA/dos.wav")), "clip2");
}

TEST(ProgramFolderTest, InstalledStartWritesNoLauncherAndWelcomesNobody) {
  ProgramRun run;
  run.installed = true;
  run.Restart();
  ASSERT_TRUE(run.App().Start());
  EXPECT_EQ(run.Host().MessageCount(), 0);
  EXPECT_FALSE(QFile::exists(run.LauncherPath()));
  EXPECT_EQ(run.Host().instanceFolders, QStringList{run.ProgramFolder()});
}

}  // namespace
}  // namespace tombolix::test
