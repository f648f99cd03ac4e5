// The import flow the dialog and tombolix-import share: what it writes, asks
// and refuses, and the exit codes of the command line on each outcome.
#include "app/import_flow.h"
#include "import_cli.h"
#include "support/fake_platform.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

const QByteArray kResults = "Fecha;B1;B2\n20/01/2023;6;13\n13/01/2023;5;12\n27/01/2023;7;14\n";
const QByteArray kFirstTwo = "13/01/2023,05,12\r\n20/01/2023,06,13\r\n";
const QByteArray kAll = kFirstTwo + "27/01/2023,07,14\r\n";

struct Scene {
  test::TempFolder folder;
  test::FakePlatform platform{folder.Path()};
  QString history = folder.MakeFolder(QStringLiteral("Historiales"));
  QString source = folder.Write(QStringLiteral("resultados.csv"), kResults);

  ImportOutcome Import(ImportTarget target, const QString& name = QStringLiteral("Loto"), bool check = false) {
    ImportSession session(&platform);
    EXPECT_TRUE(session.Load(source)) << session.Error().toStdString();
    session.Analyse({});
    return session.Commit({history, name, target, check});
  }
  QByteArray Read(const QString& file) const { return test::ReadFile(QDir(history).filePath(file)); }
};

TEST(ImportFlow, WritesNewReplacesOrAddsOnlyAsTheUserSays) {
  Scene s;
  EXPECT_EQ(s.Import(ImportTarget::Ask).status, ImportStatus::Written);
  EXPECT_EQ(s.Read(QStringLiteral("Loto.txt")), kAll);
  // An existing history, another case: the user closes the question, then the
  // command line without --replace or --append, checking or not.
  ASSERT_TRUE(QFile::rename(QDir(s.history).filePath(QStringLiteral("Loto.txt")),
                            QDir(s.history).filePath(QStringLiteral("loto.TXT"))));
  test::WriteFile(QDir(s.history).filePath(QStringLiteral("loto.TXT")), kFirstTwo);
  EXPECT_EQ(s.Import(ImportTarget::Ask).status, ImportStatus::Cancelled);
  EXPECT_EQ(s.Import(ImportTarget::New).status, ImportStatus::Exists);
  EXPECT_EQ(s.Import(ImportTarget::New, QStringLiteral("Loto"), true).status, ImportStatus::Exists);
  EXPECT_EQ(s.Read(QStringLiteral("loto.TXT")), kFirstTwo);
  // "Añadir los sorteos nuevos", confirmed: one draw added, the old file kept aside.
  s.platform.choices.push_back(0);
  s.platform.QueueAnswer(MessageAnswer::Yes);
  const ImportOutcome added = s.Import(ImportTarget::Ask);
  EXPECT_EQ(added.status, ImportStatus::Appended);
  EXPECT_EQ(added.draws, 1);
  EXPECT_EQ(s.Read(QStringLiteral("loto.TXT")), kAll);
  EXPECT_EQ(s.Read(QStringLiteral("loto.TXT.bak")), kFirstTwo);
  EXPECT_EQ(s.Import(ImportTarget::Append).status, ImportStatus::NothingNew);
}

TEST(ImportFlow, WhatIsNoResultsTextIsNamed) {
  EXPECT_TRUE(NotResultsText("PK\x03\x04rest").contains(u"hoja de cálculo"));
  EXPECT_TRUE(NotResultsText("\xD0\xCF\x11\xE0rest").contains(u"Excel"));
  EXPECT_TRUE(NotResultsText("  <!DOCTYPE html><html>").contains(u"página web"));
  EXPECT_TRUE(NotResultsText(QByteArray("\x01\x02\x00\x7f\x03\x04", 6)).contains(u"binarios"));
  EXPECT_TRUE(NotResultsText(kResults).isEmpty());
}

TEST(ImportCli, ExitCodesMatchTheOutcome) {
  Scene s;
  const QString empty = s.folder.Write(QStringLiteral("vacio.csv"), "");
  const QString ambiguous = s.folder.Write(QStringLiteral("dudoso.csv"), "01/02/2023,5,12\n01/03/2023,6,13\n");
  const auto run = [&](QStringList args, const QString& folder = {}) {
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    return RunImportCli(args << QStringLiteral("--folder") << (folder.isEmpty() ? s.history : folder), o, e);
  };
  EXPECT_EQ(run({s.source}), kImportWritten);
  for (const bool check : {false, true}) {
    QStringList extra = check ? QStringList{QStringLiteral("--check")} : QStringList{};
    EXPECT_EQ(run(QStringList{s.source, QStringLiteral("--name"), QStringLiteral("resultados")} + extra),
              kImportExists);
    EXPECT_EQ(run(QStringList{s.source, QStringLiteral("--name"), QStringLiteral("a/b")} + extra), kImportBadCommand);
  }
  EXPECT_EQ(run({s.source, QStringLiteral("--name"), QStringLiteral("resultados"), QStringLiteral("--append")}),
            kImportWritten);
  EXPECT_EQ(run({empty}), kImportFileErrors);
  EXPECT_EQ(run({ambiguous}), kImportFileErrors);
  EXPECT_EQ(run({ambiguous, QStringLiteral("--date-order"), QStringLiteral("mdy")}), kImportWritten);
  EXPECT_EQ(run({s.folder.FilePath(QStringLiteral("no.csv"))}), kImportUnreadable);
  EXPECT_EQ(run({s.source, QStringLiteral("--replace"), QStringLiteral("--append")}), kImportBadCommand);
  // A history that disagrees with the source is never extended, nor copied aside.
  const QByteArray other = "13/01/2023,05,12\r\n20/01/2023,13,06\r\n";
  test::WriteFile(QDir(s.history).filePath(QStringLiteral("Otro.txt")), other);
  EXPECT_EQ(run({s.source, QStringLiteral("--name"), QStringLiteral("Otro"), QStringLiteral("--append")}),
            kImportAppendRefused);
  EXPECT_EQ(s.Read(QStringLiteral("Otro.txt")), other);
  EXPECT_FALSE(QFile::exists(QDir(s.history).filePath(QStringLiteral("Otro.txt.bak"))));
  // A "folder" that is a file: nothing can be written into it.
  EXPECT_EQ(run({s.source}, s.source), kImportWriteFailed);
}

}  // namespace
}  // namespace tombolix
