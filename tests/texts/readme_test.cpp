#include "texts/readme_text.h"

#include "files/program_paths.h"

#include "texts/messages.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tombolix {
namespace {

WebAddresses WithContact(const QString& email, const QString& page) {
  WebAddresses addresses;
  addresses.contactEmail = email;
  addresses.productPage = page;
  return addresses;
}

const QString kEmail = QStringLiteral("escribe@tombolix.test");
const QString kPage = QStringLiteral("https://tombolix.test/");

// Without an e-mail there is no invitation to write; the contact line carries
// what exists, with no empty quotes or dangling separator, or goes.
TEST(ReadmeText, LinesWithoutAnAddressAreLeftOut) {
  struct Case {
    QString email, page;
    QStringList commentLines;  // between "COMENTARIOS" + empty line and the empty line before the thanks
  };
  const QString invitation =
      QStringLiteral("Si tienes alguna pregunta o sugerencia puedes escribirme al correo electrónico ");
  const Case cases[] = {
      {kEmail, kPage, {invitation, kEmail + QStringLiteral("  -  ") + kPage}},
      {kEmail, QString(), {invitation, kEmail}},
      {QString(), kPage, {kPage}},
      {QString(), QString(), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.email.toStdString() + " | " + c.page.toStdString());
    const QStringList lines = ReadmeLines(WithContact(c.email, c.page));
    ASSERT_EQ(lines.size(), 69 + c.commentLines.size());
    EXPECT_EQ(lines[64], QStringLiteral("COMENTARIOS"));
    EXPECT_EQ(lines.mid(66, c.commentLines.size()), c.commentLines);
    EXPECT_EQ(lines.mid(66 + c.commentLines.size()),
              (QStringList{QString(), QStringLiteral("Eso es todo, gracias."), QString()}));
    for (const QString& line : lines) {
      EXPECT_FALSE(line.contains(QLatin1String("\"\""))) << line.toStdString();
      EXPECT_FALSE(line.trimmed().startsWith(QLatin1Char('-')) || line.trimmed().endsWith(QLatin1Char('-')))
          << line.toStdString();
    }
  }
}

TEST(EscribirLeame, WritesCrLfLinesInUtf8OnlyWhenMissing) {
  test::TempFolder folder;
  const WebAddresses addresses = WithContact(kEmail, kPage);
  ASSERT_EQ(EscribirLeame(folder.Path(), addresses, TextEncoding::Utf8), ReadmeStatus::Written);
  const QByteArray bytes = test::ReadFile(folder.FilePath(program_paths::kReadme));
  QString expected;
  for (const QString& line : ReadmeLines(addresses)) expected += line + QStringLiteral("\r\n");
  EXPECT_EQ(bytes, expected.toUtf8());
  EXPECT_TRUE(bytes.contains("Bot\xc3\xb3n BUSCAR"));  // ó as two UTF-8 bytes
  // Nothing but the read-me is left behind (no temporary file of the save).
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{program_paths::kReadme});
  // An existing read-me, the user's own or not, is never replaced.
  test::WriteFile(folder.FilePath(program_paths::kReadme), "mis notas\r\n");
  EXPECT_EQ(EscribirLeame(folder.Path(), WebAddresses{}, TextEncoding::Utf8), ReadmeStatus::AlreadyThere);
  EXPECT_EQ(test::ReadFile(folder.FilePath(program_paths::kReadme)), QByteArray("mis notas\r\n"));
  // For an editor that reads the system code page: ó as one Windows-1252 byte.
  test::TempFolder ansi;
  ASSERT_EQ(EscribirLeame(ansi.Path(), addresses, TextEncoding::Ansi), ReadmeStatus::Written);
  EXPECT_TRUE(test::ReadFile(ansi.FilePath(program_paths::kReadme)).contains("Bot\xf3n BUSCAR"));
}

TEST(EscribirLeame, ReportsAFolderItCannotWriteTo) {
  test::TempFolder folder;
  const QString missing = folder.FilePath(QStringLiteral("no/such/folder"));
  EXPECT_EQ(EscribirLeame(missing, WebAddresses{}, TextEncoding::Utf8), ReadmeStatus::Unwritable);
  EXPECT_FALSE(QDir(missing).exists());

  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  if (QFileInfo(locked).isWritable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_EQ(EscribirLeame(locked, WebAddresses{}, TextEncoding::Utf8), ReadmeStatus::Unwritable);
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(QFile::exists(QDir(locked).filePath(program_paths::kReadme)));
}

}  // namespace
}  // namespace tombolix
