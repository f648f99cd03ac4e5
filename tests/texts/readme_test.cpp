#include "texts/readme_text.h"

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

TEST(ReadmeText, SeventyOneLinesAsWritten) {
  const QStringList lines = ReadmeLines(WithContact(kEmail, kPage));
  ASSERT_EQ(lines.size(), 71);
  // Line n of the document is lines[n - 1]; leading and trailing spaces and the quotes are part of the text.
  EXPECT_EQ(lines[0], QStringLiteral("Tombolix 15.24"));
  EXPECT_EQ(lines[9],
            QStringLiteral("Tombolix es un programa para jugar lotería, chance o quiniela que permite analizar "));
  EXPECT_EQ(lines[23], QStringLiteral("ALT + \"1\"~\"7\" : Seleccionar Casillas B1 a B7"));
  EXPECT_EQ(lines[56], QStringLiteral("  Tecla \"ESC\" : Botón LIMPIAR"));
  EXPECT_EQ(lines[66],
            QStringLiteral("Si tienes alguna pregunta o sugerencia puedes escribirme al correo electrónico "));
  EXPECT_EQ(lines[67], kEmail + QStringLiteral("  -  ") + kPage);
  EXPECT_EQ(lines[69], QStringLiteral("Eso es todo, gracias."));
  QList<int> empty;
  for (int n = 1; n <= 71; ++n) {
    if (lines[n - 1].isEmpty()) empty.append(n);
  }
  EXPECT_EQ(empty, (QList<int>{2,  3,  4,  5,  6,  7,  9,  15, 16, 17, 18, 20, 23, 27, 30, 33,
                               35, 40, 43, 46, 51, 54, 56, 59, 61, 62, 63, 64, 66, 69, 71}));
}

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

TEST(EscribirLeame, WritesCrLfLinesInUtf8WhenMissing) {
  test::TempFolder folder;
  const WebAddresses addresses = WithContact(kEmail, kPage);
  ASSERT_EQ(EscribirLeame(folder.Path(), addresses), ReadmeStatus::Written);
  const QByteArray bytes = test::ReadFile(folder.FilePath(kReadmeFileName));
  QString expected;
  for (const QString& line : ReadmeLines(addresses)) expected += line + QStringLiteral("\r\n");
#ifndef Q_OS_WIN
  EXPECT_EQ(bytes, expected.toUtf8());
  EXPECT_TRUE(bytes.contains("Bot\xc3\xb3n BUSCAR"));  // ó as two UTF-8 bytes
#endif
  EXPECT_EQ(bytes.count('\n'), 71);
  // Nothing but the read-me is left behind (no temporary file of the save).
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{kReadmeFileName});
}

TEST(EscribirLeame, NeverReplacesAnExistingReadme) {
  test::TempFolder folder;
  const QString path = folder.Write(kReadmeFileName, "mis notas\r\n");
  EXPECT_EQ(EscribirLeame(folder.Path(), WebAddresses{}), ReadmeStatus::AlreadyThere);
  EXPECT_EQ(test::ReadFile(path), QByteArray("mis notas\r\n"));
}

TEST(EscribirLeame, ReportsAFolderItCannotWriteTo) {
  test::TempFolder folder;
  const QString missing = folder.FilePath(QStringLiteral("no/such/folder"));
  EXPECT_EQ(EscribirLeame(missing, WebAddresses{}), ReadmeStatus::Unwritable);
  EXPECT_FALSE(QDir(missing).exists());

  const QString locked = folder.MakeFolder(QStringLiteral("locked"));
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  if (QFileInfo(locked).isWritable()) GTEST_SKIP() << "permissions are not enforced here (running as root?)";
  EXPECT_EQ(EscribirLeame(locked, WebAddresses{}), ReadmeStatus::Unwritable);
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(QFile::exists(QDir(locked).filePath(kReadmeFileName)));
}

}  // namespace
}  // namespace tombolix
