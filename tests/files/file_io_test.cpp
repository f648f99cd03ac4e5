#include "files/file_io.h"

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>
#endif

namespace tombolix {
namespace {

constexpr qint64 kMiB = qint64{1} << 20;

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(ReadAtMost, ReadsUpToTheLimitAndRefusesMore) {
  test::TempFolder folder;
  struct Case {
    const char* name;
    qint64 size;
    bool tooLarge;
  };
  for (const Case& c : {Case{"exact", kMiB, false}, Case{"over", kMiB + 1, true}, Case{"empty", 0, false}}) {
    SCOPED_TRACE(c.name);
    const QString path = folder.Write(QString::fromLatin1(c.name), QByteArray(c.size, 'x'));
    const ReadOutcome read = ReadAtMost(path, kMiB);
    EXPECT_EQ(read.tooLarge, c.tooLarge);
    EXPECT_EQ(read.error.isEmpty(), !c.tooLarge);
    EXPECT_EQ(read.bytes.size(), c.tooLarge ? 0 : c.size);
    if (c.tooLarge) {
      EXPECT_TRUE(read.error.contains(QString::fromLatin1(c.name)) && read.error.contains(u"1 MB"));
    }
  }
}

TEST(ReadAtMost, ADeviceWithoutASizeStopsAtTheLimit) {
  if (!QFileInfo::exists(QStringLiteral("/dev/zero"))) GTEST_SKIP() << "no /dev/zero";
  const ReadOutcome read = ReadAtMost(QStringLiteral("/dev/zero"), 3 * kMiB);
  EXPECT_TRUE(read.tooLarge);
  EXPECT_TRUE(read.bytes.isEmpty());
}

TEST(ReadAtMost, AMissingFileIsAMessage) {
  test::TempFolder folder;
  const ReadOutcome read = ReadAtMost(folder.FilePath(QStringLiteral("nada.txt")), kMiB);
  EXPECT_FALSE(read.tooLarge);
  EXPECT_TRUE(read.error.contains(QStringLiteral("nada.txt")));
}

TEST(ReadStart, ReadsTheStartOfALongerFileWhole) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("lista.CMB"), QByteArray("0123456789"));
  for (const qint64 count : {qint64{0}, qint64{4}, qint64{10}, qint64{64}}) {
    const ReadOutcome read = ReadStart(path, count);
    EXPECT_TRUE(read.error.isEmpty());
    EXPECT_EQ(read.bytes, QByteArray("0123456789").left(count));
  }
  EXPECT_TRUE(ReadStart(folder.Path(), 4).error.contains(u"carpeta"));
  EXPECT_FALSE(ReadStart(folder.FilePath(QStringLiteral("nada")), 4).error.isEmpty());
}

TEST(WriteWhole, RefusesSymbolicLinksAndLeavesTheirTargets) {
  test::TempFolder folder;
  const QString target = folder.Write(QStringLiteral("real.txt"), "keep");
  QFile::link(target, folder.FilePath(QStringLiteral("link.txt")));
  QFile::link(folder.FilePath(QStringLiteral("nowhere.txt")), folder.FilePath(QStringLiteral("dangling.txt")));
  for (const WriteMode mode : {WriteMode::NewOnly, WriteMode::Replace}) {
    for (const QString& link : {QStringLiteral("link.txt"), QStringLiteral("dangling.txt")}) {
      SCOPED_TRACE(link.toStdString());
      const QString message = WriteWhole(folder.FilePath(link), "new", mode);
      EXPECT_TRUE(message.contains(link) && message.contains(QStringLiteral("No se escribió nada")));
      EXPECT_TRUE(QFileInfo(folder.FilePath(link)).isSymLink());
    }
  }
  EXPECT_EQ(test::ReadFile(target), "keep");
  EXPECT_FALSE(QFileInfo::exists(folder.FilePath(QStringLiteral("nowhere.txt"))));
  EXPECT_EQ(Entries(folder.Path()).size(), 3);
}

TEST(WriteWhole, NewOnlyNeverWritesOverAFile) {
  test::TempFolder folder;
  const QByteArray old("old\r\n\0bytes", 11);
  const QString path = folder.Write(QStringLiteral("Loto.txt"), old);
  EXPECT_FALSE(WriteWhole(path, "new", WriteMode::NewOnly).isEmpty());
  EXPECT_EQ(test::ReadFile(path), old);
  // A new file is written whole and nothing else is left in the folder.
  const QString fresh = folder.FilePath(QStringLiteral("Nuevo.txt"));
  EXPECT_TRUE(WriteWhole(fresh, "new", WriteMode::NewOnly).isEmpty());
  EXPECT_EQ(test::ReadFile(fresh), "new");
  EXPECT_TRUE(QFileInfo(fresh).permissions().testFlag(QFileDevice::ReadOther));
  EXPECT_EQ(Entries(folder.Path()), (QStringList{QStringLiteral("Loto.txt"), QStringLiteral("Nuevo.txt")}));
}

TEST(WriteWhole, AReadOnlyFolderKeepsNothing) {
  test::TempFolder folder;
  const QString readOnly = folder.MakeFolder(QStringLiteral("ro"));
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
  // The superuser writes through permission bits: try a probe first.
  const bool writable = test::WriteFile(readOnly + QStringLiteral("/probe"), "x");
  QFile::remove(readOnly + QStringLiteral("/probe"));
  if (!writable) {
    for (const WriteMode mode : {WriteMode::NewOnly, WriteMode::Replace}) {
      EXPECT_FALSE(WriteWhole(readOnly + QStringLiteral("/Loto.txt"), "new", mode).isEmpty());
      EXPECT_TRUE(Entries(readOnly).isEmpty());
    }
  }
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (writable) GTEST_SKIP() << "permission bits do not bind this user";
}

#ifdef Q_OS_UNIX
// A file-size limit makes the write itself fail, for any user.
TEST(WriteWhole, AFailedWriteKeepsTheOldFileAndLeavesNoOther) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("Loto.txt"), "old");
  const QByteArray big(256 * 1024, 'n');
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const QString replaced = WriteWhole(path, big, WriteMode::Replace);
  const QString created = WriteWhole(folder.FilePath(QStringLiteral("Nuevo.txt")), big, WriteMode::NewOnly);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(replaced.isEmpty());
  EXPECT_FALSE(created.isEmpty());
  EXPECT_EQ(test::ReadFile(path), "old");
  EXPECT_EQ(Entries(folder.Path()), QStringList{QStringLiteral("Loto.txt")});
}
#endif

}  // namespace
}  // namespace tombolix
