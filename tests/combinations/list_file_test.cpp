#include "combinations/list_file.h"
#include "combinations/list_codec.h"
#include "combinations/list_samples.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::ListBytes;
using test::SampleLines;

constexpr QFileDevice::Permissions kOpenFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// The list a good file must load to: lines rebuilt unmarked, numbers taken from them.
void ExpectLoaded(const ListFileLoad& load, const QVector<QString>& lines, int positions) {
  ASSERT_TRUE(load.IsLoaded()) << load.reason.toStdString();
  EXPECT_TRUE(load.reason.isEmpty());
  ASSERT_EQ(load.list.LineasComb.size(), kListSize);
  for (qint32 i = 0; i < kListSize; ++i) {
    QString expected = lines[i];
    expected[8] = QChar(kMarkNotHit);
    ASSERT_EQ(load.list.LineasComb[i], expected) << i;
    for (int k = 0; k < kMaxPositions; ++k) {
      const int number = k < positions ? lines[i].mid(13 + 3 * k, 2).toInt() : 0;
      ASSERT_EQ(load.list.CombPos[static_cast<size_t>(k + 1)][static_cast<size_t>(i)], number) << i << " " << k;
    }
  }
}

void ExpectNothingKept(const ListFileLoad& load) {
  EXPECT_FALSE(load.reason.isEmpty());
  EXPECT_EQ(load.list.LineasComb, CombinationList::Empty().LineasComb);
  EXPECT_EQ(load.list.CombPos, CombinationList::Empty().CombPos);
}

TEST(ParseListFile, LoadsTheFirstThousandRecords) {
  const QVector<QString> lines = SampleLines(6, 1);
  const QByteArray good = ListBytes(lines, 6);
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"exactly 1000 records", good},
      {"1000 records and a partial one", good + QByteArray(37, '\0')},
      {"1001 records, the last one damaged", good + QByteArray(100, '\0')},
      {"1001 good records", good + good.left(100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectLoaded(ParseListFile(c.bytes, 6), lines, 6);
  }
}

TEST(ParseListFile, RejectsDamagedFilesWholly) {
  const QByteArray good = ListBytes(SampleLines(4, 2), 4);
  QByteArray badByte = good;
  badByte[11 * 100 + 42] = 'A';
  QByteArray belowRange = good;
  belowRange[999 * 100 + 99] = static_cast<char>(170);
  QByteArray spacesRecord = good;
  spacesRecord.replace(4 * 100, 100, EncodeListRecord(QString(), 4));
  QByteArray brokenSeparator = good;
  brokenSeparator.replace(2 * 100, 100, EncodeListRecord(QStringLiteral("  000003%    07x12 25 33 "), 4));
  QByteArray letterInNumber = good;
  letterInNumber.replace(6 * 100, 100, EncodeListRecord(QStringLiteral("  000007#    07 12 2a 33 "), 4));
  QByteArray fifthNumber = good;
  fifthNumber.replace(7 * 100, 100, EncodeListRecord(QStringLiteral("  000008%    07 12 25 33 44 "), 4));
  QByteArray randomBytes(100000, Qt::Uninitialized);
  QRandomGenerator random(3);
  for (char& b : randomBytes) b = static_cast<char>(random.bounded(256));
  QByteArray randomDigits = randomBytes;
  for (char& b : randomDigits) b = static_cast<char>(171 + static_cast<unsigned char>(b) % 10);
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"empty", QByteArray(), "the file holds 0 whole records of 100 bytes, not 1000"},
      {"one record", good.left(100), "the file holds 1 whole records of 100 bytes, not 1000"},
      {"999 records and a partial one", good.left(99950), "the file holds 999 whole records of 100 bytes, not 1000"},
      {"a byte outside the digits", badByte, "record 12 holds a byte outside 171..180"},
      {"a byte just below them", belowRange, "record 1000 holds a byte outside 171..180"},
      {"a record of spaces", spacesRecord, "record 5 has no list mark at character 9"},
      {"a separator that is not a space", brokenSeparator, "record 3 is not a combination line of 4 positions"},
      {"a letter in a number", letterInNumber, "record 7 is not a combination line of 4 positions"},
      {"a number too many", fifthNumber, "record 8 is not a combination line of 4 positions"},
      {"all zero bytes", QByteArray(100000, '\0'), "record 1 holds a byte outside 171..180"},
      {"random bytes", randomBytes, "record 1 holds a byte outside 171..180"},
      {"random digit bytes", randomDigits, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ListFileLoad load = ParseListFile(c.bytes, 4);
    EXPECT_EQ(load.status, ListFileStatus::Rejected);
    if (c.reason != nullptr) {
      EXPECT_EQ(load.reason, QLatin1String(c.reason));
    }
    ExpectNothingKept(load);
  }
}

TEST(ParseListFile, AFileIsBoundToItsPositionCount) {
  for (int written = 4; written <= 7; ++written) {
    const QByteArray bytes = ListBytes(SampleLines(written, static_cast<quint32>(10 + written)), written);
    for (int read = 1; read <= 7; ++read) {
      if (read == written) continue;
      const ListFileLoad load = ParseListFile(bytes, read);
      EXPECT_EQ(load.status, ListFileStatus::Rejected) << written << " read as " << read;
      EXPECT_TRUE(load.reason.startsWith(QLatin1String("record 1 "))) << load.reason.toStdString();
    }
  }
  for (const int outside : {0, 8, -1})
    EXPECT_EQ(ParseListFile(QByteArray(100000, '\xab'), outside).status, ListFileStatus::Rejected);
}

TEST(ListFile, SavesAWholeListThatLoadsBack) {
  test::TempFolder folder;
  for (int positions = 4; positions <= 7; ++positions) {
    SCOPED_TRACE(positions);
    const QString path = ListFilePath(folder.Path(), QStringLiteral("Lotería %1").arg(positions));
    const QVector<QString> lines = SampleLines(positions, static_cast<quint32>(positions));
    ASSERT_TRUE(GuardarListaCmb(path, lines, positions));
    EXPECT_EQ(QFileInfo(path).size(), 100000);
    ExpectLoaded(CargarListaCmb(path, positions), lines, positions);
  }
  // A list with fewer lines is still a whole file; its empty records reject it on loading.
  const QString shortList = folder.FilePath(QStringLiteral("short.CMB"));
  ASSERT_TRUE(GuardarListaCmb(shortList, SampleLines(5, 1).mid(0, 10), 5));
  EXPECT_EQ(QFileInfo(shortList).size(), 100000);
  EXPECT_EQ(CargarListaCmb(shortList, 5).reason, QLatin1String("record 11 has no list mark at character 9"));
  // No temporary file of the save is left behind.
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST(ListFile, ReadsNoMoreThanTheListFromAHugeFile) {
  test::TempFolder folder;
  const QVector<QString> lines = SampleLines(5, 4);
  const QString path = folder.Write(QStringLiteral("huge.CMB"), ListBytes(lines, 5));
  {
    QFile file(path);
    ASSERT_TRUE(file.resize(qint64(1) << 30));  // a sparse gigabyte of zero bytes after the list
  }
  ExpectLoaded(CargarListaCmb(path, 5), lines, 5);
}

TEST(ListFile, SaveIntoAFolderItCannotWriteFailsCleanly) {
  test::TempFolder folder;
  EXPECT_FALSE(GuardarListaCmb(folder.FilePath(QStringLiteral("no/such/folder/x.CMB")), SampleLines(4, 5), 4));
  EXPECT_FALSE(GuardarListaCmb(folder.FilePath(QStringLiteral("x.CMB")), SampleLines(4, 5), 0));
  EXPECT_FALSE(QFile::exists(folder.FilePath(QStringLiteral("x.CMB"))));

  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  const QByteArray old = ListBytes(SampleLines(4, 6), 4);
  const QString path = QDir(locked).filePath(QStringLiteral("x.CMB"));
  ASSERT_TRUE(test::WriteFile(path, old));
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (QFileInfo(locked).isWritable()) {
    QFile::setPermissions(locked, kOpenFolder);
    GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  }
  const bool saved = GuardarListaCmb(path, SampleLines(4, 7), 4);
  const QStringList left = QDir(locked).entryList(QDir::Files | QDir::Hidden);
  QFile::setPermissions(locked, kOpenFolder);
  EXPECT_FALSE(saved);
  EXPECT_EQ(test::ReadFile(path), old);
  EXPECT_EQ(left, QStringList{QStringLiteral("x.CMB")});
}

}  // namespace
}  // namespace tombolix
