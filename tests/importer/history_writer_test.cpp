#include "importer/history_writer.h"

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

const QByteArray kOld = "07/01/2023,05,12,33\r\n";
const QByteArray kNew = "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n";
const QString kLoto = QStringLiteral("loto");

TEST(HistoryWriter, FindsTheHistoryWithoutRegardToCase) {
  test::TempFolder folder;
  EXPECT_TRUE(FindExistingHistory(folder.Path(), kLoto).isEmpty());
  const QString path = folder.Write(QStringLiteral("Loto.TXT"), kOld);
  folder.Write(QStringLiteral("Loto.txt.bak"), kOld);
  EXPECT_EQ(FindExistingHistory(folder.Path(), kLoto), path);
  // New refuses it; Replace and Append write over it, keeping the old bytes beside it.
  EXPECT_EQ(WriteImportedHistory(folder.Path(), kLoto, kNew, WriteKind::New).status, WriteStatus::Exists);
  for (const WriteKind kind : {WriteKind::Append, WriteKind::Replace}) {
    test::WriteFile(path, kOld);
    const WriteResult result = WriteImportedHistory(folder.Path(), kLoto, kNew, kind);
    EXPECT_EQ(result.status, WriteStatus::Written) << result.message.toStdString();
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(test::ReadFile(path), kNew);
    EXPECT_EQ(test::ReadFile(path + QStringLiteral(".bak")), kOld);
  }
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(HistoryWriter, AppendRefusesAHistoryChangedSinceItWasRead) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("loto.txt"), "07/01/2023,05,12,34\r\n");
  EXPECT_EQ(WriteImportedHistory(folder.Path(), kLoto, kNew, WriteKind::Append).status, WriteStatus::Failed);
  EXPECT_EQ(test::ReadFile(path), "07/01/2023,05,12,34\r\n");
  EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
}

TEST(HistoryWriter, RefusesSymbolicLinksForTheHistoryAndItsCopy) {
  struct Case {
    const char* name;
    QString link;        // made a symbolic link
    const char* target;  // what it points to, inside the folder
  };
  const Case cases[] = {
      {"history", QStringLiteral("loto.txt"), "real.txt"},
      {"dangling history", QStringLiteral("loto.txt"), "nowhere.txt"},
      {"copy", QStringLiteral("loto.txt.bak"), "real.txt"},
      {"dangling copy", QStringLiteral("loto.txt.bak"), "nowhere.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder folder;
    const QString real = folder.Write(QStringLiteral("real.txt"), kOld);
    if (!c.link.endsWith(QStringLiteral(".bak"))) folder.Write(QStringLiteral("loto.txt.bak"), "bak");
    if (c.link.endsWith(QStringLiteral(".bak"))) folder.Write(QStringLiteral("loto.txt"), kOld);
    ASSERT_TRUE(QFile::link(folder.FilePath(QString::fromLatin1(c.target)), folder.FilePath(c.link)));
    EXPECT_EQ(FindExistingHistory(folder.Path(), kLoto), folder.FilePath(QStringLiteral("loto.txt")));
    for (const WriteKind kind : {WriteKind::New, WriteKind::Replace, WriteKind::Append}) {
      EXPECT_NE(WriteImportedHistory(folder.Path(), kLoto, kNew, kind).status, WriteStatus::Written);
    }
    EXPECT_EQ(test::ReadFile(real), kOld);
    EXPECT_TRUE(QFileInfo(folder.FilePath(c.link)).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(folder.FilePath(QStringLiteral("nowhere.txt"))));
    const QString other = folder.FilePath(c.link.endsWith(QStringLiteral(".bak")) ? QStringLiteral("loto.txt")
                                                                                  : QStringLiteral("loto.txt.bak"));
    EXPECT_EQ(test::ReadFile(other), c.link.endsWith(QStringLiteral(".bak")) ? kOld : QByteArray("bak"));
  }
}

}  // namespace
}  // namespace tombolix
