#include "combinations/list_file.h"
#include "combinations/list_samples.h"
#include "support/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::ListBytes;
using test::SampleLines;

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser;
constexpr QFileDevice::Permissions kOpenFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

TEST(ListFilePermissions, AReadOnlyGoodFileLoadsAndIsNeverWritten) {
  test::TempFolder folder;
  const QByteArray bytes = ListBytes(SampleLines(6, 1), 6);
  const QString path = folder.Write(QStringLiteral("good.CMB"), bytes);
  ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
  const QDateTime modified = QFileInfo(path).lastModified();
  EXPECT_TRUE(CargarListaCmb(path, 6).IsLoaded());
  const QFileInfo after(path);
  EXPECT_EQ(test::ReadFile(path), bytes);
  EXPECT_EQ(after.lastModified(), modified);
  EXPECT_EQ(after.permissions() & QFileDevice::WriteOwner, QFileDevice::Permissions());
}

TEST(ListFilePermissions, AReadOnlyFileIsNeverReplacedBySaving) {
  test::TempFolder folder;
  const QByteArray bytes = ListBytes(SampleLines(6, 1), 6);
  const QString path = folder.Write(QStringLiteral("good.CMB"), bytes);
  ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
  if (QFileInfo(path).isWritable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_FALSE(GuardarListaCmb(path, SampleLines(6, 2), 6));
  EXPECT_EQ(test::ReadFile(path), bytes);
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("good.CMB")});
}

TEST(ListFilePermissions, AReadOnlyDamagedFileIsRejectedAndRemoved) {
  test::TempFolder folder;
  QByteArray bytes = ListBytes(SampleLines(5, 2), 5);
  bytes[0] = '\0';
  const QString path = folder.Write(QStringLiteral("damaged.CMB"), bytes);
  ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
  const ListFileLoad load = CargarListaCmb(path, 5);
  EXPECT_EQ(load.status, ListFileStatus::Rejected);
  EXPECT_EQ(load.reason, QLatin1String("record 1 holds a byte outside 171..180"));
  EXPECT_EQ(test::ReadFile(path), bytes);  // loading alone deletes nothing
  EXPECT_TRUE(RemoveListFile(path));
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(RemoveListFile(path));  // nothing left to delete
}

TEST(ListFilePermissions, ADamagedFileThatCannotBeDeletedStaysAsItWas) {
  test::TempFolder folder;
  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  const QString path = QDir(locked).filePath(QStringLiteral("damaged.CMB"));
  ASSERT_TRUE(test::WriteFile(path, QByteArray(250, 'x')));
  ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
  EXPECT_EQ(CargarListaCmb(path, 4).status, ListFileStatus::Rejected);
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (QFileInfo(locked).isWritable()) {
    QFile::setPermissions(locked, kOpenFolder);
    GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  }
  const bool removed = RemoveListFile(path);
  QFile::setPermissions(locked, kOpenFolder);
  EXPECT_FALSE(removed);
  EXPECT_EQ(test::ReadFile(path), QByteArray(250, 'x'));
  EXPECT_EQ(QFile::permissions(path) & QFileDevice::WriteOwner, QFileDevice::Permissions())
      << "the read-only attribute is put back";
}

TEST(ListFilePermissions, AMissingFileIsUnreadableNotRejected) {
  test::TempFolder folder;
  const ListFileLoad missing = CargarListaCmb(folder.FilePath(QStringLiteral("none.CMB")), 4);
  EXPECT_EQ(missing.status, ListFileStatus::Unreadable);
  EXPECT_TRUE(missing.reason.startsWith(QLatin1String("cannot open the file")));
  EXPECT_FALSE(RemoveListFile(folder.Path()));  // a folder is never removed
}

TEST(ListFilePermissions, AFileWithoutReadPermissionIsNotRejected) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("secret.CMB"), ListBytes(SampleLines(4, 3), 4));
  QFile::setPermissions(path, QFileDevice::WriteOwner);
  if (QFileInfo(path).isReadable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_EQ(CargarListaCmb(path, 4).status, ListFileStatus::Unreadable);
}

}  // namespace
}  // namespace tombolix
