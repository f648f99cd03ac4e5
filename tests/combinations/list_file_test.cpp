#include "combinations/list_file.h"
#include "combinations/list_codec.h"
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
constexpr QFileDevice::Permissions kLockedFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;

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

QByteArray WithRecord(QByteArray bytes, int record, const char* line, int positions) {
  return bytes.replace((record - 1) * 100, 100, EncodeListRecord(QString::fromLatin1(line), positions));
}

// Whole-list faults reject the file and keep nothing; only the first 1000 records count.
TEST(ParseListFile, BadInputs) {
  const QVector<QString> lines = SampleLines(4, 2);
  const QByteArray good = ListBytes(lines, 4);
  QByteArray badByte = good, belowRange = good;
  badByte[11 * 100 + 42] = 'A';
  belowRange[999 * 100 + 99] = static_cast<char>(170);
  QByteArray randomBytes(100000, Qt::Uninitialized);
  QRandomGenerator random(3);
  for (char& b : randomBytes) b = static_cast<char>(random.bounded(256));
  QByteArray randomDigits = randomBytes;
  for (char& b : randomDigits) b = static_cast<char>(171 + static_cast<unsigned char>(b) % 10);
  const QString notLine = QStringLiteral(" is not a combination line of 4 positions");
  struct Case {
    const char* name;
    QByteArray bytes;
    QString reason;  // empty: loads; "?": any reason
  };
  const Case cases[] = {
      {"exactly 1000 records", good, QString()},
      {"1000 records and a partial one", good + QByteArray(37, '\0'), QString()},
      {"1001 records, the last one damaged", good + QByteArray(100, '\0'), QString()},
      {"empty", QByteArray(), QStringLiteral("the file holds 0 whole records of 100 bytes, not 1000")},
      {"999 and a partial", good.left(99950),
       QStringLiteral("the file holds 999 whole records of 100 bytes, not 1000")},
      {"a byte outside the digits", badByte, QStringLiteral("record 12 holds a byte outside 171..180")},
      {"a byte just below them", belowRange, QStringLiteral("record 1000 holds a byte outside 171..180")},
      {"a record of spaces", WithRecord(good, 5, "", 4), QStringLiteral("record 5 has no list mark at character 9")},
      {"a bad separator", WithRecord(good, 3, "  000003%    07x12 25 33 ", 4), QStringLiteral("record 3") + notLine},
      {"a letter", WithRecord(good, 7, "  000007#    07 12 2a 33 ", 4), QStringLiteral("record 7") + notLine},
      {"a number too many", WithRecord(good, 8, "  000008%    07 12 25 33 44 ", 4),
       QStringLiteral("record 8") + notLine},
      {"all zero bytes", QByteArray(100000, '\0'), QStringLiteral("record 1 holds a byte outside 171..180")},
      {"random bytes", randomBytes, QStringLiteral("record 1 holds a byte outside 171..180")},
      {"random digit bytes", randomDigits, QStringLiteral("?")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ListFileLoad load = ParseListFile(c.bytes, 4);
    if (c.reason.isEmpty()) {
      ExpectLoaded(load, lines, 4);
      continue;
    }
    EXPECT_EQ(load.status, ListFileStatus::Rejected);
    if (c.reason != u'?') {
      EXPECT_EQ(load.reason, c.reason);
    }
    EXPECT_FALSE(load.reason.isEmpty());
    EXPECT_EQ(load.list.LineasComb, CombinationList::Empty().LineasComb);
    EXPECT_EQ(load.list.CombPos, CombinationList::Empty().CombPos);
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

TEST(ListFile, SavesAWholeListThatLoadsBackAndReadsNoMoreThanTheList) {
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
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).size(), 5) << "a temporary file was left";
  // A sparse gigabyte of zero bytes after the list is never read.
  {
    QFile file(shortList);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(ListBytes(SampleLines(5, 4), 5)) == 100000);
    ASSERT_TRUE(file.resize(qint64(1) << 30));
  }
  ExpectLoaded(CargarListaCmb(shortList, 5), SampleLines(5, 4), 5);
}

// Runs `action` with `folder` read-only; false when permissions are not enforced (root).
template <typename Action>
bool InLockedFolder(const QString& folder, Action action) {
  QFile::setPermissions(folder, kLockedFolder);
  const bool enforced = !QFileInfo(folder).isWritable();
  if (enforced) action();
  QFile::setPermissions(folder, kOpenFolder);
  return enforced;
}

TEST(ListFile, SaveFailuresLeaveEverythingAsItWas) {
  test::TempFolder folder;
  EXPECT_FALSE(GuardarListaCmb(folder.FilePath(QStringLiteral("no/such/folder/x.CMB")), SampleLines(4, 5), 4));
  EXPECT_FALSE(GuardarListaCmb(folder.FilePath(QStringLiteral("x.CMB")), SampleLines(4, 5), 0));
  EXPECT_FALSE(QFile::exists(folder.FilePath(QStringLiteral("x.CMB"))));
  // A dangling link where the list was is never written through.
  const QString link = folder.FilePath(QStringLiteral("gone.CMB"));
  ASSERT_TRUE(QFile::link(folder.FilePath(QStringLiteral("elsewhere.CMB")), link));
  EXPECT_FALSE(GuardarListaCmb(link, SampleLines(4, 5), 4));
  EXPECT_FALSE(QFile::exists(folder.FilePath(QStringLiteral("elsewhere.CMB"))));
  ASSERT_TRUE(QFile::remove(link));
  // A read-only good file loads, is never written, and saving never replaces it.
  const QByteArray old = ListBytes(SampleLines(4, 6), 4);
  const QString readOnly = folder.Write(QStringLiteral("good.CMB"), old);
  ASSERT_TRUE(QFile::setPermissions(readOnly, kReadOnly));
  const QDateTime modified = QFileInfo(readOnly).lastModified();
  EXPECT_TRUE(CargarListaCmb(readOnly, 4).IsLoaded());
  EXPECT_EQ(QFileInfo(readOnly).lastModified(), modified);
  EXPECT_EQ(QFile::permissions(readOnly) & QFileDevice::WriteOwner, QFileDevice::Permissions());
  if (QFileInfo(readOnly).isWritable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_FALSE(GuardarListaCmb(readOnly, SampleLines(4, 7), 4));
  EXPECT_EQ(test::ReadFile(readOnly), old);
  // Nor is a file replaced in a folder that cannot be written, and no temporary file stays.
  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  const QString path = QDir(locked).filePath(QStringLiteral("x.CMB"));
  ASSERT_TRUE(test::WriteFile(path, old));
  ASSERT_TRUE(InLockedFolder(locked, [&] { EXPECT_FALSE(GuardarListaCmb(path, SampleLines(4, 7), 4)); }));
  EXPECT_EQ(test::ReadFile(path), old);
  EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("x.CMB")});
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("good.CMB")});
}

TEST(ListFile, RejectedFilesAreRemovedOnlyOnRequestAndOnlyWhenPossible) {
  test::TempFolder folder;
  QByteArray bytes = ListBytes(SampleLines(5, 2), 5);
  bytes[0] = '\0';
  const QString path = folder.Write(QStringLiteral("damaged.CMB"), bytes);
  ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
  const ListFileLoad load = CargarListaCmb(path, 5);
  EXPECT_EQ(load.status, ListFileStatus::Rejected);
  EXPECT_EQ(load.reason, QLatin1String("record 1 holds a byte outside 171..180"));
  EXPECT_EQ(test::ReadFile(path), bytes) << "loading alone deletes nothing";
  EXPECT_TRUE(RemoveListFile(path));  // read-only as it is
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(RemoveListFile(path));            // nothing left to delete
  EXPECT_FALSE(RemoveListFile(folder.Path()));  // a folder is never removed
  // A missing or unreadable file is not rejected (so never offered for deletion).
  const ListFileLoad missing = CargarListaCmb(folder.FilePath(QStringLiteral("none.CMB")), 4);
  EXPECT_EQ(missing.status, ListFileStatus::Unreadable);
  EXPECT_TRUE(missing.reason.contains(QLatin1String("none.CMB")));
  const QString secret = folder.Write(QStringLiteral("secret.CMB"), ListBytes(SampleLines(4, 3), 4));
  QFile::setPermissions(secret, QFileDevice::WriteOwner);
  if (QFileInfo(secret).isReadable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_EQ(CargarListaCmb(secret, 4).status, ListFileStatus::Unreadable);
  // A damaged file that cannot be deleted stays as it was, read-only again.
  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  const QString stuck = QDir(locked).filePath(QStringLiteral("damaged.CMB"));
  ASSERT_TRUE(test::WriteFile(stuck, QByteArray(250, 'x')));
  ASSERT_TRUE(QFile::setPermissions(stuck, kReadOnly));
  EXPECT_EQ(CargarListaCmb(stuck, 4).status, ListFileStatus::Rejected);
  ASSERT_TRUE(InLockedFolder(locked, [&] { EXPECT_FALSE(RemoveListFile(stuck)); }));
  EXPECT_EQ(test::ReadFile(stuck), QByteArray(250, 'x'));
  EXPECT_EQ(QFile::permissions(stuck) & QFileDevice::WriteOwner, QFileDevice::Permissions());
}

}  // namespace
}  // namespace tombolix
