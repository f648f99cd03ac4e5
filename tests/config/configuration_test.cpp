#include "config/configuration.h"

#include "support/test_files.h"

#include <QDir>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The first field of the first line, read as UTF-8; quotes may hold commas;
// only the file's leading byte-order mark is skipped; invalid UTF-8 gives no value.
TEST(ConfigurationValue, FirstFieldOfTheFirstLine) {
  const std::pair<QByteArray, QString> cases[] = {
      {"D:\\Loterias,old\r\n", QStringLiteral("D:\\Loterias")},
      {"/datos/loto\r\n/otra\r\n", QStringLiteral("/datos/loto")},
      {"/datos/loto\n/otra", QStringLiteral("/datos/loto")},
      {"/datos/loto\r/otra", QStringLiteral("/datos/loto")},
      {"   /datos/mis loterias   ,x", QStringLiteral("/datos/mis loterias")},
      {"", QString()},
      {"\r\n/otra\r\n", QString()},
      {",/otra", QString()},
      {"\"/datos/a,b\",old\r\n", QStringLiteral("/datos/a,b")},
      {"  \" /datos/a \" \r\n", QStringLiteral("/datos/a")},
      {"\"/datos/sin cierre,x\r\n", QStringLiteral("/datos/sin cierre,x")},
      {"\"\",x", QString()},
      {"/datos/Loter\xC3\xAD"
       "as\r\n",
       QString::fromUtf8("/datos/Loterías")},
      {"\xEF\xBB\xBF/datos/loto\r\n", QStringLiteral("/datos/loto")},
      {"\xEF\xBB\xBF\xEF\xBB\xBF  /loto  \r\n", QStringLiteral("\uFEFF  /loto")},
      {"/datos/Loter\xED"
       "as\r\n",
       QString()},  // Windows-1252
      {"/datos/\xC3", QString()},
  };
  for (const auto& [bytes, value] : cases) EXPECT_EQ(ParseConfigurationValue(bytes), value) << bytes.constData();
  EXPECT_EQ(Utf8ToAnsi(QByteArrayView()), QString());
  EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC"), QString(QChar(0x20AC)));
}

class ReadConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.IsValid());
    program.MakeFolder(QStringLiteral("Recursos"));
  }
  QString IniPath() const { return program.FilePath(QStringLiteral("Recursos/Tombolix.INI")); }
  QString DefaultFolder() const { return program.Path() + QStringLiteral("/Historiales"); }

  test::TempFolder program;
};

// A missing file is created with one empty line, unless there is no Recursos folder.
TEST_F(ReadConfigurationTest, MissingFileIsCreatedWhereItCanBe) {
  const ConfigurationResult result = ReadConfiguration(program.Path());
  EXPECT_EQ(result.status, ConfigurationStatus::Created);
  EXPECT_EQ(result.HistoryFolder, DefaultFolder());
  EXPECT_EQ(test::ReadFile(IniPath()), QByteArray("\r\n"));
  EXPECT_EQ(ReadConfiguration(program.Path()).status, ConfigurationStatus::Read);

  test::TempFolder bare;
  EXPECT_EQ(ReadConfiguration(bare.Path()).status, ConfigurationStatus::Unwritable);
  EXPECT_FALSE(test::FileExists(bare.FilePath(QStringLiteral("Recursos/Tombolix.INI"))));
}

// An existing folder is used without its trailing separator; a relative one
// is taken from the program folder.
TEST_F(ReadConfigurationTest, ExistingFolderIsUsed) {
  const QString folder = program.MakeFolder(QString::fromUtf8("Mis Loterías, 2024"));
  test::WriteFile(IniPath(), "\"" + folder.toUtf8() + "/\"\r\n");
  const ConfigurationResult result = ReadConfiguration(program.Path());
  EXPECT_EQ(result.status, ConfigurationStatus::Read);
  EXPECT_EQ(result.HistoryFolder, folder);
  program.MakeFolder(QStringLiteral("datos/loto"));
  test::WriteFile(IniPath(), "datos/loto\r\n");
  EXPECT_EQ(ReadConfiguration(program.Path()).HistoryFolder, program.FilePath(QStringLiteral("datos/loto")));
}

TEST_F(ReadConfigurationTest, FallsBackWhenTheValueNamesNoFolder) {
  const QString file = program.Write(QStringLiteral("fichero"), "x");
  const QString latin1Folder = program.MakeFolder(QString::fromUtf8("Loterías"));
  const QByteArray contents[] = {"", "\r\n", "/no/such/folder\r\n", file.toUtf8() + "\r\n",
                                 latin1Folder.toLatin1() + "\r\n"};
  for (const QByteArray& content : contents) {
    test::WriteFile(IniPath(), content);
    const ConfigurationResult result = ReadConfiguration(program.Path());
    EXPECT_EQ(result.status, ConfigurationStatus::Read);
    EXPECT_EQ(result.HistoryFolder, DefaultFolder()) << content.constData();
    EXPECT_EQ(test::ReadFile(IniPath()), content);  // never rewritten
  }
}

}  // namespace
}  // namespace tombolix
