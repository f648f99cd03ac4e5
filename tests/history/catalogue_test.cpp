#include "history/catalogue.h"

#include "support/test_files.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

QStringList Names(const QList<LotteryEntry>& entries) {
  QStringList names;
  for (const LotteryEntry& e : entries) names.append(e.name);
  return names;
}

TEST(Catalogue, ListsTextFilesByNameWithoutTheExtension) {
  test::TempFolder folder;
  for (const char* name : {"Quini.txt", "alfa.txt", "Chance.txt", "Loto.2024.txt", "Mayor.TXT", "notes.md",
                           "old.txt.bak", "sin_extension", "loto.txt", "LOTO.txt"}) {
    folder.Write(QString::fromLatin1(name), "01/01/2024,1,2\r\n");
  }
  folder.MakeFolder(QStringLiteral("carpeta.txt"));
  const QList<LotteryEntry> entries = ListLotteries(folder.Path());
  // Alphabetical without regard to case (names differing only in case in a fixed
  // order); the real file name is kept for the path.
  EXPECT_EQ(Names(entries), (QStringList{QStringLiteral("alfa"), QStringLiteral("Chance"), QStringLiteral("Loto.2024"),
                                         QStringLiteral("LOTO"), QStringLiteral("loto"), QStringLiteral("Mayor"),
                                         QStringLiteral("Quini")}));
  ASSERT_EQ(entries.size(), 7);
  EXPECT_EQ(entries[5].fileName, QStringLiteral("Mayor.TXT"));
}

TEST(Catalogue, FolderWithoutHistoriesListsNothing) {
  test::TempFolder folder;
  folder.Write(QStringLiteral("notes.md"), "x");
  for (const QString& path : {folder.Path(), folder.FilePath(QStringLiteral("no-such-folder")), QString()})
    EXPECT_TRUE(ListLotteries(path).isEmpty()) << path.toStdString();
}

TEST(SelectionFile, RoundTripsTheIndexInA46ByteRecord) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("Tombolix.LTR"), QByteArray(100, 'x'));
  for (const qint16 index : {qint16{0}, qint16{-1}, qint16{32767}, qint16{300}}) {
    ASSERT_TRUE(WriteSelectionIndex(path, index));
    EXPECT_EQ(ReadSelectionIndex(path), index);
  }
  // A longer file is replaced by the one record: zeros, then the index little-endian.
  EXPECT_EQ(test::ReadFile(path), QByteArray(44, '\0') + QByteArray("\x2C\x01"));
  EXPECT_FALSE(WriteSelectionIndex(folder.FilePath(QStringLiteral("Recursos/Tombolix.LTR")), 1));
}

// The attributes of the file are cleared before it is written. (An administrator
// account ignores the read-only bit, so only an ordinary user can see this fail.)
TEST(SelectionFile, AReadOnlyFileIsStillRewritten) {
  test::TempFolder folder;
  const QString path = folder.FilePath(QStringLiteral("Tombolix.LTR"));
  ASSERT_TRUE(WriteSelectionIndex(path, 1));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  EXPECT_TRUE(WriteSelectionIndex(path, 2));
  EXPECT_EQ(ReadSelectionIndex(path), qint16{2});
}

TEST(SelectionFile, MissingShortOrGarbageFiles) {
  test::TempFolder folder;
  for (const QString& path :
       {folder.FilePath(QStringLiteral("missing.LTR")), folder.MakeFolder(QStringLiteral("d.LTR")),
        folder.Write(QStringLiteral("short.LTR"), QByteArray(45, '\x01'))})
    EXPECT_FALSE(ReadSelectionIndex(path).has_value()) << path.toStdString();
  // A whole record of garbage yields whatever its last two bytes hold; the caller
  // falls back when the index is outside its list.
  EXPECT_EQ(ParseSelectionRecord(QByteArray(46, '\xFF')), qint16{-1});
  EXPECT_EQ(ParseSelectionRecord(QByteArray(44, 'x') + QByteArray("\x07\x00more", 6)), qint16{7});
}

}  // namespace
}  // namespace tombolix
