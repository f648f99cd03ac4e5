#include "history/catalogue.h"

#include "support/test_files.h"

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
                           "old.txt.bak", "sin_extension"}) {
    folder.Write(QString::fromLatin1(name), "01/01/2024,1,2\r\n");
  }
  folder.MakeFolder(QStringLiteral("carpeta.txt"));
  const QList<LotteryEntry> entries = ListLotteries(folder.Path());
  // Alphabetical without regard to case; the real file name is kept.
  EXPECT_EQ(Names(entries), (QStringList{QStringLiteral("alfa"), QStringLiteral("Chance"), QStringLiteral("Loto.2024"),
                                         QStringLiteral("Mayor"), QStringLiteral("Quini")}));
  ASSERT_EQ(entries.size(), 5);
  EXPECT_EQ(entries[2].fileName, QStringLiteral("Loto.2024.txt"));
  EXPECT_EQ(entries[3].fileName, QStringLiteral("Mayor.TXT"));
}

TEST(Catalogue, NamesDifferingOnlyInCaseKeepAFixedOrder) {
  test::TempFolder folder;
  folder.Write(QStringLiteral("loto.txt"), "");
  folder.Write(QStringLiteral("Loto.txt"), "");
  folder.Write(QStringLiteral("LOTO.txt"), "");
  EXPECT_EQ(Names(ListLotteries(folder.Path())),
            (QStringList{QStringLiteral("LOTO"), QStringLiteral("Loto"), QStringLiteral("loto")}));
}

TEST(Catalogue, EmptyOrMissingFolderListsNothing) {
  test::TempFolder folder;
  EXPECT_TRUE(ListLotteries(folder.Path()).isEmpty());
  EXPECT_TRUE(ListLotteries(folder.FilePath(QStringLiteral("no-such-folder"))).isEmpty());
  EXPECT_TRUE(ListLotteries(QString()).isEmpty());
}

TEST(SelectionFile, RoundTripsTheIndexInA46ByteRecord) {
  test::TempFolder folder;
  const QString path = folder.FilePath(QStringLiteral("Tombolix.LTR"));
  EXPECT_FALSE(ReadSelectionIndex(path).has_value());
  for (const qint16 index : {qint16{0}, qint16{2}, qint16{300}, qint16{-1}, qint16{32767}}) {
    ASSERT_TRUE(WriteSelectionIndex(path, index));
    EXPECT_EQ(ReadSelectionIndex(path), index);
  }
  ASSERT_TRUE(WriteSelectionIndex(path, 300));
  const QByteArray bytes = test::ReadFile(path);
  ASSERT_EQ(bytes.size(), 46);
  EXPECT_EQ(bytes.left(44), QByteArray(44, '\0'));
  EXPECT_EQ(bytes.mid(44), QByteArray("\x2C\x01"));
}

TEST(SelectionFile, RewritingReplacesALongerFile) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("Tombolix.LTR"), QByteArray(100, 'x'));
  ASSERT_TRUE(WriteSelectionIndex(path, 1));
  EXPECT_EQ(test::ReadFile(path).size(), 46);
}

TEST(SelectionFile, ShortOrGarbageFiles) {
  test::TempFolder folder;
  EXPECT_FALSE(ReadSelectionIndex(folder.Write(QStringLiteral("empty.LTR"), "")).has_value());
  EXPECT_FALSE(ReadSelectionIndex(folder.Write(QStringLiteral("short.LTR"), QByteArray(45, '\x01'))).has_value());
  EXPECT_FALSE(ReadSelectionIndex(folder.MakeFolder(QStringLiteral("folder.LTR"))).has_value());
  // A whole record of garbage yields whatever its last two bytes hold; the caller
  // falls back when the index is outside its list.
  EXPECT_EQ(ParseSelectionRecord(QByteArray(46, '\xFF')), qint16{-1});
  EXPECT_EQ(ParseSelectionRecord(QByteArray(44, 'x') + QByteArray("\x07\x00more", 6)), qint16{7});
}

TEST(SelectionFile, WritingIntoAMissingFolderFails) {
  test::TempFolder folder;
  EXPECT_FALSE(WriteSelectionIndex(folder.FilePath(QStringLiteral("Recursos/Tombolix.LTR")), 1));
}

}  // namespace
}  // namespace tombolix
