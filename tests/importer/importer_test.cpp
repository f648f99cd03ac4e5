// The importer on small hand-made results files: what it refuses, what it
// reports and on which line, and the history text it makes.
#include "history/loader.h"
#include "importer/history_writer.h"
#include "importer/import_analysis.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

struct Case {
  const char* name;
  QByteArray bytes;
  qsizetype errorLine;   // -1: no error expected
  const char* fragment;  // in the reason of that line's error
  QByteArray text;       // the history expected when there is no error
};

QByteArray Utf16Le(const char* text) {
  QByteArray out("\xFF\xFE", 2);
  for (const char* c = text; *c; ++c) out.append(*c).append('\0');
  return out;
}

// Ten draws, each line led by its running count.
QByteArray CountedDraws(bool withCount) {
  QByteArray out;
  for (int d = 1; d <= 10; ++d) {
    const QByteArray date = QByteArray::number(10 + d) + "/01/2023";
    const QByteArray numbers =
        (withCount ? "," : ",0") + QByteArray::number(d * 7 % 10) + "," + QByteArray::number(d * 3 % 10 + 20);
    out += withCount ? QByteArray::number(d) + "," + date + numbers + "\n" : date + numbers + "\r\n";
  }
  return out;
}

const QByteArray kTwoDraws = "07/01/2023,05,12,33,41,44\r\n10/01/2023,01,09,23,30,37\r\n";

const Case kCases[] = {
    {"empty", "", 0, "vacío", {}},
    {"blank lines only", "\r\n  \r\n", 0, "vacío", {}},
    {"one column", "07/01/2023\n10/01/2023\n", 0, "una sola columna", {}},
    {"header only", "Fecha;Bola 1;Bola 2\n", 0, "encabezado", {}},
    {"mixed separators", "07/01/2023,5,12\n08/01/2023;6,13\n09/01/2023,7,14\n", 2, "separador", {}},
    {"two date forms", "07/01/2023,5,12\n2023-01-08,9,13\n09/01/2023,7,24\n", 2, "otra forma", {}},
    {"number above 99", "07/01/2023,5,12\n08/01/2023,6,130\n", 2, "99", {}},
    {"unreadable number", "07/01/2023,5,12\n08/01/2023,9,1x\n09/01/2023,7,24\n", 2, "no válido", {}},
    {"matrix change", "07/01/2023,5,12,20\n08/01/2023,9,13\n09/01/2023,7,24,21\n", 2, "matriz", {}},
    {"repeated draw", "07/01/2023,5,12\n08/01/2023,6,13\n08/01/2023,6,13\n", 3, "repetido", {}},
    {"too many numbers", "07/01/2023,1,2,3,4,5,6,7,8\n", 0, "de 2 a 7", {}},
    {"header, semicolons, newest first, year first",
     "Fecha;N1;N2;N3;N4;N5\n2023-01-10;1;9;23;30;37\n2023-01-07;5;12;33;41;44\n", -1, "", kTwoDraws},
    {"UTF-16 with tabs and quotes", Utf16Le("\"07.01.23\"\t5\t12\t33\t41\t44\r\n10.01.23\t1\t9\t23\t30\t37\r\n"), -1,
     "", kTwoDraws},
    {"month first when a day is above 12", "01/07/2023,5,12\n01/13/2023,6,13\n", -1, "",
     "07/01/2023,05,12\r\n13/01/2023,06,13\r\n"},
    {"a running draw count is no number column", CountedDraws(true), -1, "", CountedDraws(false)},
    {"line ends in CR alone", "07/01/2023,5,12\r08/01/2023,9,13\r", -1, "", "07/01/2023,05,12\r\n08/01/2023,09,13\r\n"},
    {"same day, other numbers: a warning", "07/01/2023,5,12\n07/01/2023,6,13\n", -1, "",
     "07/01/2023,05,12\r\n07/01/2023,06,13\r\n"},
};

TEST(Importer, ReportsAndWritesAsExpected) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const ImportAnalysis a = AnalyseImport(c.bytes, {});
    if (c.errorLine < 0) {
      EXPECT_FALSE(a.HasErrors()) << (a.problems.isEmpty() ? QString() : ProblemLine(a.problems[0])).toStdString();
      EXPECT_EQ(a.historyText, c.text);
      EXPECT_TRUE(ParseHistory(a.historyText).accepted);
      continue;
    }
    EXPECT_TRUE(a.historyText.isEmpty());
    const bool found = std::any_of(a.problems.begin(), a.problems.end(), [&](const ImportProblem& p) {
      return p.error && p.line == c.errorLine && p.reason.contains(QString::fromUtf8(c.fragment));
    });
    EXPECT_TRUE(found);
  }
}

TEST(Importer, InvalidUtf8IsRefusedAndReadsAs1252WhenPicked) {
  const QByteArray bytes = "07/01/2023,5,12\n08/01/2023,6,13\n# Sorteo de a\xF1o nuevo\n";
  EXPECT_TRUE(AnalyseImport(bytes, {}).problems.front().reason.contains(u"UTF-8"));
  ImportOptions options;
  options.encoding = ImportEncoding::Windows1252;
  const ImportAnalysis a = AnalyseImport(bytes, options);
  ASSERT_FALSE(a.problems.isEmpty());
  EXPECT_EQ(a.problems.front().line, 3);  // decoded: the comment line is an unreadable row, not garbage
}

TEST(Importer, CancelStopsTheWork) {
  QByteArray big;
  for (int d = 0; d < 20000; ++d) big += "07/01/2023,5,12\n";
  const ImportAnalysis a = AnalyseImport(big, {}, [](int) { return false; });
  EXPECT_TRUE(a.cancelled);
  EXPECT_TRUE(a.historyText.isEmpty());
}

TEST(ImportWriter, ReplacesOnlyWhenConfirmed) {
  test::TempFolder folder;
  const QString path = folder.Write(QStringLiteral("Loto.txt"), "old");
  EXPECT_EQ(WriteImportedHistory(folder.Path(), QStringLiteral("Loto"), kTwoDraws, WriteKind::New).status,
            WriteStatus::Exists);
  EXPECT_EQ(test::ReadFile(path), "old");
  EXPECT_EQ(WriteImportedHistory(folder.Path(), QStringLiteral("Loto"), kTwoDraws, WriteKind::Replace).status,
            WriteStatus::Written);
  EXPECT_EQ(test::ReadFile(path), kTwoDraws);
  EXPECT_EQ(WriteImportedHistory(folder.Path(), QStringLiteral("../Loto"), kTwoDraws, WriteKind::Replace).status,
            WriteStatus::BadName);
}

TEST(ImportWriter, AFolderThatRefusesFilesKeepsNothing) {
  test::TempFolder folder;
  // The superuser writes through permission bits; /proc refuses new files to anyone.
  QString target = folder.MakeFolder(QStringLiteral("ro"));
  QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner);
  if (QFileInfo(target).isWritable()) target = QStringLiteral("/proc");
  const WriteResult r = WriteImportedHistory(target, QStringLiteral("Loto"), kTwoDraws, WriteKind::Replace);
  EXPECT_EQ(r.status, WriteStatus::Failed);
  EXPECT_FALSE(r.message.isEmpty());
  EXPECT_TRUE(QDir(target).entryList({QStringLiteral("Loto*")}, QDir::Files | QDir::Hidden).isEmpty());
  QFile::setPermissions(folder.FilePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace tombolix
