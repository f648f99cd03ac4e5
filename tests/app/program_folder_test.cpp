#include "app/program_folder.h"
#include "support/fake_platform.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace tombolix::test {
namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Only the marker beside the shared data makes the program installed: a
// read-only program folder, a marker folder or no data location stay portable.
TEST(ProgramFolderTest, TheMarkerAloneChoosesTheInstalledMode) {
  struct Case {
    const char* name;
    const char* marker;  // made under share/tombolix/ ("" none; ending in / a folder)
    bool readOnlyCurrent;
    bool hasDataLocation;
    bool installed;
  };
  const Case cases[] = {{"marker", "installed", false, true, true},
                        {"no marker", "", false, true, false},
                        {"read-only portable folder", "", true, true, false},
                        {"marker is a folder", "installed/", false, true, false},
                        {"no data location", "installed", false, false, false}};
  for (const Case& c : cases) {
    TempFolder temp;
    const QString bin = temp.MakeFolder(QStringLiteral("usr/bin"));
    const QString current = temp.MakeFolder(QStringLiteral("Tombolix"));
    const QString marker = QLatin1String(c.marker);
    if (marker.endsWith(QLatin1Char('/'))) temp.MakeFolder(QStringLiteral("usr/share/tombolix/") + marker);
    if (!marker.isEmpty() && !marker.endsWith(QLatin1Char('/'))) {
      temp.Write(QStringLiteral("usr/share/tombolix/") + marker, "x");
    }
    if (c.readOnlyCurrent) QFile::setPermissions(current, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString data = c.hasDataLocation ? temp.FilePath(QStringLiteral("home/Tombolix")) : QString();
    const ProgramPlace place = ChooseProgramPlace(bin, current, data);
    EXPECT_EQ(place.installed, c.installed) << c.name;
    EXPECT_EQ(place.folder, c.installed ? data : current) << c.name;
    EXPECT_EQ(place.sharedData, c.installed ? temp.FilePath(QStringLiteral("usr/share/tombolix")) : QString())
        << c.name;
    QFile::setPermissions(current, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
}

// First start copies everything; later starts add new clips only, keep the
// user's edits and do not bring back a sample the user deleted.
TEST(ProgramFolderTest, SeedingCopiesOnlyWhatIsMissing) {
  TempFolder temp;
  const QString shared = temp.MakeFolder(QStringLiteral("share"));
  temp.Write(QStringLiteral("share/KiRVA/uno.wav"), "clip1");
  temp.Write(QStringLiteral("share/Historiales/A.txt"), "shared A");
  temp.Write(QStringLiteral("share/Historiales/B.txt"), "shared B");
  QFile::setPermissions(shared + QStringLiteral("/Historiales/A.txt"), QFileDevice::ReadOwner);
  const QString data = temp.FilePath(QStringLiteral("home/data/Tombolix"));
  ASSERT_TRUE(SeedDataFolder(shared, data));
  EXPECT_EQ(Read(data + QStringLiteral("/KiRVA/uno.wav")), "clip1");
  EXPECT_EQ(Read(data + QStringLiteral("/Historiales/B.txt")), "shared B");
  // The copy of a read-only shared file is the user's to edit.
  EXPECT_TRUE(QFile::permissions(data + QStringLiteral("/Historiales/A.txt")) & QFileDevice::WriteOwner);

  temp.Write(QStringLiteral("home/data/Tombolix/Historiales/A.txt"), "mine");
  temp.Write(QStringLiteral("home/data/Tombolix/KiRVA/uno.wav"), "my clip");
  QFile::remove(data + QStringLiteral("/Historiales/B.txt"));
  temp.Write(QStringLiteral("share/KiRVA/dos.wav"), "clip2");
  temp.Write(QStringLiteral("share/Historiales/C.txt"), "shared C");
  ASSERT_TRUE(SeedDataFolder(shared, data));
  EXPECT_EQ(Read(data + QStringLiteral("/Historiales/A.txt")), "mine");
  EXPECT_EQ(Read(data + QStringLiteral("/KiRVA/uno.wav")), "my clip");
  EXPECT_EQ(Read(data + QStringLiteral("/KiRVA/dos.wav")), "clip2");
  EXPECT_FALSE(QFile::exists(data + QStringLiteral("/Historiales/B.txt")));
  EXPECT_FALSE(QFile::exists(data + QStringLiteral("/Historiales/C.txt")));
}

TEST(ProgramFolderTest, InstalledStartWritesNoLauncherAndWelcomesNobody) {
  ProgramRun run;
  run.installed = true;
  run.Restart();
  ASSERT_TRUE(run.App().Start());
  EXPECT_EQ(run.Host().MessageCount(), 0);
  EXPECT_FALSE(QFile::exists(run.LauncherPath()));
  EXPECT_EQ(run.Host().instanceFolders, QStringList{run.ProgramFolder()});
  EXPECT_TRUE(QFile::exists(run.InProgram(QStringLiteral("Recursos/Tombolix.INI"))));
}

}  // namespace
}  // namespace tombolix::test
