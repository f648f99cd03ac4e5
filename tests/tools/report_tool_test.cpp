#include "report_options.h"
#include "report_runner.h"

#include "app/pane_table.h"

#include "reports/start_pane.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "texts/messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tombolix {
namespace {

ParsedCommandLine Parse(std::initializer_list<const char*> args) {
  QStringList list;
  for (const char* arg : args) list.append(QString::fromUtf8(arg));
  return ParseCommandLine(list);
}

TEST(ReportToolCommandLine, DefaultsAndEveryOption) {
  ParsedCommandLine plain = Parse({"loto.txt", "frecuencia"});
  ASSERT_TRUE(plain.error.isEmpty()) << plain.error.toStdString();
  EXPECT_EQ(plain.options.format, ExportFormat::Raw);
  EXPECT_EQ(plain.options.historyFile, QStringLiteral("loto.txt"));
  EXPECT_EQ(plain.options.pane, 2);
  EXPECT_FALSE(plain.options.selection.has_value());
  EXPECT_FALSE(plain.options.seed.has_value());

  ParsedCommandLine full =
      Parse({"--format", "json", "--seed", "42", "h.txt", "--combinations=l.CMB", "14", "--select=07,,--,5"});
  ASSERT_TRUE(full.error.isEmpty()) << full.error.toStdString();
  EXPECT_EQ(full.options.format, ExportFormat::Json);
  EXPECT_EQ(full.options.seed, 42u);
  EXPECT_EQ(full.options.combinationsFile, QStringLiteral("l.CMB"));
  EXPECT_EQ(full.options.historyFile, QStringLiteral("h.txt"));
  EXPECT_EQ(full.options.pane, 14);
  ASSERT_TRUE(full.options.selection.has_value());
  const SelectorArguments expected{
      QStringLiteral("07"), QString(),           QStringLiteral("B3"), QStringLiteral("5"), QStringLiteral("B5"),
      QStringLiteral("B6"), QStringLiteral("B7")};
  EXPECT_EQ(*full.options.selection, expected);

  EXPECT_TRUE(Parse({"x", "--help"}).options.help);
  EXPECT_TRUE(Parse({"-h"}).options.help);
}

TEST(ReportToolCommandLine, SelectionItems) {
  QString error;
  // A value that starts with "--" is still the option's value.
  ParsedCommandLine labels = Parse({"--select", "--", "h.txt", "0"});
  ASSERT_TRUE(labels.error.isEmpty());
  EXPECT_EQ((*labels.options.selection)[0], QStringLiteral("B1"));
  const std::optional<SelectorArguments> empty = ParseSelection(QString(), &error);
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ((*empty)[0], QString());
  EXPECT_EQ((*empty)[1], QStringLiteral("B2"));
  EXPECT_TRUE(ParseSelection(QStringLiteral("1,2,3,4,5,6,7"), &error).has_value());
  // A label is taken literally, as the selector would show it.
  EXPECT_EQ((*ParseSelection(QStringLiteral("B1,7"), &error))[0], QStringLiteral("B1"));
  for (const char* bad : {"1,2,3,4,5,6,7,8", "123", "a", " 7", "-", "7,-1", "B8", "B0", "b1"}) {
    error.clear();
    EXPECT_FALSE(ParseSelection(QString::fromUtf8(bad), &error).has_value()) << bad;
    EXPECT_FALSE(error.isEmpty()) << bad;
  }
}

TEST(ReportToolCommandLine, ReportsByNumberOrName) {
  EXPECT_EQ(ResolveReport(QStringLiteral("0")), 0);
  EXPECT_EQ(ResolveReport(QStringLiteral("21")), 21);
  EXPECT_EQ(ResolveReport(QStringLiteral("07")), 7);
  EXPECT_EQ(ResolveReport(QStringLiteral("inicio")), 0);
  EXPECT_EQ(ResolveReport(QStringLiteral("mapa-de-la-frecuencia-m2")), 12);
  EXPECT_EQ(ResolveReport(QStringLiteral("pronostico-por-ciclo-m2")), 21);
  EXPECT_EQ(ResolveReport(QStringLiteral("analisis-ia")), 20);
  for (const char* bad : {"22", "-1", "100", "Frecuencia", "frecuencia ", "", "pronóstico-por-ciclo"}) {
    EXPECT_FALSE(ResolveReport(QString::fromUtf8(bad)).has_value()) << bad;
  }
  // Every name is lower case ASCII words joined by "-", and all differ.
  QStringList seen;
  for (const PaneRow& row : PaneTable()) {
    const QString text = QString::fromLatin1(row.toolName);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$")).match(text).hasMatch()) << row.toolName;
    EXPECT_FALSE(seen.contains(text)) << row.toolName;
    seen.append(text);
  }
  const QString help = HelpText();
  for (int pane = 0; pane < kPaneCount; ++pane) {
    EXPECT_TRUE(help.contains(QStringLiteral("%1  %2\n").arg(pane, 2).arg(seen[pane]))) << pane;
  }
}

TEST(ReportToolCommandLine, Mistakes) {
  EXPECT_FALSE(Parse({"h.txt"}).error.isEmpty());
  EXPECT_FALSE(Parse({"h.txt", "2", "3"}).error.isEmpty());
  EXPECT_FALSE(Parse({"h.txt", "nada"}).error.isEmpty());
  EXPECT_FALSE(Parse({"--format", "pdf", "h.txt", "2"}).error.isEmpty());
  EXPECT_FALSE(Parse({"h.txt", "2", "--format"}).error.isEmpty());
  EXPECT_FALSE(Parse({"--seed", "-3", "h.txt", "2"}).error.isEmpty());
  EXPECT_FALSE(Parse({"--seed", "99999999999", "h.txt", "2"}).error.isEmpty());
  EXPECT_FALSE(Parse({"--colour", "h.txt", "2"}).error.isEmpty());
  EXPECT_FALSE(Parse({"--combinations=", "h.txt", "2"}).error.isEmpty());
}

class ReportToolRun : public ::testing::Test {
 protected:
  ReportOutcome Run(const QByteArray& history, const QString& report, ExportFormat format = ExportFormat::Raw) {
    const QString path = folder.Write(QStringLiteral("Loto.txt"), history);
    ParsedCommandLine parsed = ParseCommandLine({path, report});
    EXPECT_TRUE(parsed.error.isEmpty());
    parsed.options.format = format;
    QTextStream stream(&errors);
    return RunReport(parsed.options, stream);
  }
  test::TempFolder folder;
  QString errors;
};

TEST_F(ReportToolRun, StartPaneOfAValidHistory) {
  const ReportOutcome outcome =
      Run("2023-01-07,05,12,33,41,44,48\r\n2023-01-10,1,9,23,30,37,45\r\n", QStringLiteral("0"));
  EXPECT_EQ(outcome.exitCode, kExitOk);
  EXPECT_EQ(outcome.output, StartPaneText(2).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  EXPECT_TRUE(errors.isEmpty());
  // Nothing was written next to the history.
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{QStringLiteral("Loto.txt")});
}

TEST_F(ReportToolRun, RejectedHistoryPrintsTheReasonWhateverTheReport) {
  const ReportOutcome outcome =
      Run("2023-01-07,05,12,33,41,44,48\r\n2023-03-01,4,8,15,16,23\r\n", QStringLiteral("frecuencia"));
  EXPECT_EQ(outcome.exitCode, kExitRejected);
  EXPECT_EQ(outcome.output, Msg(TxtErrorHistorial) + QStringLiteral("\n\n2023-03-01,4,8,15,16,23\n"));
}

TEST_F(ReportToolRun, EmptyFileIsRejected) {
  const ReportOutcome outcome = Run(QByteArray(), QStringLiteral("0"), ExportFormat::Json);
  EXPECT_EQ(outcome.exitCode, kExitRejected);
  const QJsonObject json = QJsonDocument::fromJson(outcome.output.toUtf8()).object();
  EXPECT_EQ(json[QStringLiteral("pane")].toInt(), 0);
  EXPECT_EQ(json[QStringLiteral("text")].toString(), Msg(TxtErrorHistorial) + QStringLiteral("\n\n\n"));
  const QJsonArray runs = json[QStringLiteral("runs")].toArray();
  ASSERT_EQ(runs.size(), 1);
  EXPECT_EQ(runs[0].toObject()[QStringLiteral("color")].toArray(), (QJsonArray{255, 128, 128}));
}

TEST_F(ReportToolRun, MissingHistoryFile) {
  ParsedCommandLine parsed = ParseCommandLine({folder.FilePath(QStringLiteral("nada.txt")), QStringLiteral("0")});
  QTextStream stream(&errors);
  const ReportOutcome outcome = RunReport(parsed.options, stream);
  EXPECT_EQ(outcome.exitCode, kExitNoInput);
  EXPECT_TRUE(outcome.output.isEmpty());
  EXPECT_TRUE(errors.contains(QStringLiteral("nada.txt")));
}

TEST_F(ReportToolRun, AMapOfAShortHistoryIsRefusedWithExitTwo) {
  // Two draws: maps need more than 100 draws; the message goes to standard error.
  const ReportOutcome outcome = Run("2023-01-07,05,12,33\r\n2023-01-10,1,9,23\r\n", QStringLiteral("3"));
  EXPECT_EQ(outcome.exitCode, kExitFailed);
  EXPECT_TRUE(outcome.output.isEmpty());
  EXPECT_FALSE(errors.isEmpty());
}

// BUSCAR stops at its selection test: labels, an emptied selector, or a
// number only in a selector beyond the lottery's three positions.
TEST_F(ReportToolRun, SelectionWithoutANumberLeavesTheStartPane) {
  const QString path = folder.Write(QStringLiteral("Loto.txt"), "2023-01-07,05,12,33\r\n2023-01-10,1,9,23\r\n");
  for (const char* select : {"--select=--,--,", "--select=B1,B2,B3,5"}) {
    const ParsedCommandLine parsed = ParseCommandLine({QString::fromLatin1(select), path, QStringLiteral("0")});
    ASSERT_TRUE(parsed.error.isEmpty());
    QTextStream stream(&errors);
    const ReportOutcome outcome = RunReport(parsed.options, stream);
    EXPECT_EQ(outcome.exitCode, kExitOk) << select;
    EXPECT_EQ(outcome.output, QStringLiteral("        2 sorteos encontrados\n\n\n\n")) << select;
  }
}

// The back-test: a seeded list is the same list every time, --save-combinations
// writes it so that --combinations tests it again, and nothing is ever written
// or deleted next to the history.
TEST_F(ReportToolRun, BackTestListsAreSeededSavedOnRequestAndNeverWrittenBesideTheHistory) {
  const QString history = folder.Write(QStringLiteral("Loto.txt"), test::SixNumberHistory(120));
  const QString saved = folder.FilePath(QStringLiteral("out/lista.CMB"));
  QDir(folder.Path()).mkpath(QStringLiteral("out"));
  const auto run = [&](QStringList args) {
    errors.clear();
    ParsedCommandLine parsed = ParseCommandLine(args << history << QStringLiteral("14"));
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    QTextStream stream(&errors);
    return RunReport(parsed.options, stream);
  };
  const ReportOutcome first = run({QStringLiteral("--seed=9"), QStringLiteral("--save-combinations"), saved});
  ASSERT_EQ(first.exitCode, kExitOk) << errors.toStdString();
  EXPECT_TRUE(first.output.contains(QStringLiteral(" sorteos acertados\n\n\n")));
  EXPECT_EQ(run({QStringLiteral("--seed=9")}).output, first.output);
  run({});
  EXPECT_TRUE(errors.startsWith(QStringLiteral("seed "))) << errors.toStdString();
  EXPECT_EQ(run({QStringLiteral("--combinations"), saved}).output, first.output);

  // A damaged list is refused with its reason and left where it is.
  test::WriteFile(saved, QByteArray(1000 * 100, '\x01'));
  EXPECT_EQ(run({QStringLiteral("--combinations"), saved}).exitCode, kExitListRejected);
  EXPECT_TRUE(QFileInfo::exists(saved));
  EXPECT_EQ(run({QStringLiteral("--combinations"), folder.FilePath(QStringLiteral("none.CMB"))}).exitCode,
            kExitNoInput);
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Loto.txt")});
}

}  // namespace
}  // namespace tombolix
