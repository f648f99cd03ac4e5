#include "report_options.h"
#include "report_runner.h"

#include "app/pane_table.h"

#include "support/fake_platform.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace tombolix {
namespace {

ParsedCommandLine Parse(std::initializer_list<const char*> args) {
  QStringList list;
  for (const char* arg : args) list.append(QString::fromUtf8(arg));
  return ParseCommandLine(list);
}

TEST(ReportToolCommandLine, BadSelectionsReportsAndArguments) {
  QString error;
  EXPECT_EQ((*ParseSelection(QString(), &error))[1], QStringLiteral("B2"));
  EXPECT_EQ((*ParseSelection(QStringLiteral("B1,7"), &error))[0], QStringLiteral("B1"));
  for (const char* bad : {"1,2,3,4,5,6,7,8", "123", "a", " 7", "-", "7,-1", "B8", "B0", "b1"}) {
    error.clear();
    EXPECT_FALSE(ParseSelection(QString::fromUtf8(bad), &error).has_value()) << bad;
    EXPECT_FALSE(error.isEmpty()) << bad;
  }
  EXPECT_EQ(ResolveReport(QStringLiteral("07")), 7);
  for (const char* bad : {"22", "-1", "100", "Frecuencia", "frecuencia ", "", "pronóstico-por-ciclo"}) {
    EXPECT_FALSE(ResolveReport(QString::fromUtf8(bad)).has_value()) << bad;
  }
  // Every pane's name resolves back to it and is listed in the help.
  const QString help = HelpText();
  for (int pane = 0; pane < kPaneCount; ++pane) {
    const QString name = QString::fromLatin1(PaneTable()[static_cast<size_t>(pane)].toolName);
    EXPECT_EQ(ResolveReport(name), pane) << pane;
    EXPECT_TRUE(help.contains(QStringLiteral("%1  %2\n").arg(pane, 2).arg(name))) << pane;
  }
  const std::initializer_list<const char*> mistakes[] = {{"h.txt"},
                                                         {"h.txt", "2", "3"},
                                                         {"h.txt", "nada"},
                                                         {"--format", "pdf", "h.txt", "2"},
                                                         {"--seed", "-3", "h.txt", "2"},
                                                         {"--seed", "99999999999", "h.txt", "2"},
                                                         {"--combinations=", "h.txt", "2"},
                                                         {"--baseline", "101", "h.txt", "7"}};
  for (const auto& args : mistakes) EXPECT_FALSE(Parse(args).error.isEmpty()) << *args.begin();
}

class ReportToolRun : public ::testing::Test {
 protected:
  ReportOutcome Run(QStringList args) {
    errors.clear();
    ParsedCommandLine parsed = ParseCommandLine(args);
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    QTextStream stream(&errors);
    return RunReport(parsed.options, stream);
  }
  QStringList NothingBesideTheHistory() const { return QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden); }
  test::TempFolder folder;
  QString errors;
};

TEST_F(ReportToolRun, ExitCodesAndNothingWrittenBesideTheHistory) {
  struct Case {
    QByteArray history;
    const char* report;
    int exitCode;
    bool errorsPrinted;
  };
  const Case cases[] = {
      {"2023-01-07,05,12,33,41,44,48\r\n2023-01-10,1,9,23,30,37,45\r\n", "0", kExitOk, false},
      {"2023-01-07,05,12,33,41,44,48\r\n2023-03-01,4,8,15,16,23\r\n", "frecuencia", kExitRejected, false},
      // Maps need more than 100 draws; the refusal goes to standard error.
      {"2023-01-07,05,12,33\r\n2023-01-10,1,9,23\r\n", "3", kExitFailed, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.history.constData());
    const QString path = folder.Write(QStringLiteral("Loto.txt"), c.history);
    const ReportOutcome outcome = Run({path, QString::fromLatin1(c.report)});
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    EXPECT_EQ(outcome.output.isEmpty(), c.errorsPrinted);
    EXPECT_EQ(errors.isEmpty(), !c.errorsPrinted);
    EXPECT_EQ(NothingBesideTheHistory(), QStringList{QStringLiteral("Loto.txt")});
  }
  const ReportOutcome missing = Run({folder.FilePath(QStringLiteral("nada.txt")), QStringLiteral("0")});
  EXPECT_EQ(missing.exitCode, kExitNoInput);
  EXPECT_TRUE(missing.output.isEmpty());
  EXPECT_TRUE(errors.contains(QStringLiteral("nada.txt")));
}

// BUSCAR stops at its selection test: an emptied selector, or a number only
// in a selector beyond the lottery's three positions, leaves the start pane.
TEST_F(ReportToolRun, SelectionWithoutANumberLeavesTheStartPane) {
  const QString path = folder.Write(QStringLiteral("Loto.txt"), "2023-01-07,05,12,33\r\n2023-01-10,1,9,23\r\n");
  for (const char* select : {"--select=--,--,", "--select=B1,B2,B3,5"}) {
    const ReportOutcome outcome = Run({QString::fromLatin1(select), path, QStringLiteral("0")});
    EXPECT_EQ(outcome.exitCode, kExitOk) << select;
    EXPECT_EQ(outcome.output, QStringLiteral("        2 sorteos encontrados\n\n\n\n")) << select;
  }
}

// A seeded list is the same every time, --save-combinations writes it so that
// --combinations tests it again, and nothing is written or deleted beside the history.
TEST_F(ReportToolRun, BackTestListsAreSeededSavedOnRequestAndNeverWrittenBesideTheHistory) {
  const QString history = folder.Write(QStringLiteral("Loto.txt"), test::SixNumberHistory(120));
  const QString saved = folder.FilePath(QStringLiteral("out/lista.CMB"));
  QDir(folder.Path()).mkpath(QStringLiteral("out"));
  const auto run = [&](QStringList args) { return Run(args << history << QStringLiteral("14")); };
  const ReportOutcome first = run({QStringLiteral("--seed=9"), QStringLiteral("--save-combinations"), saved});
  ASSERT_EQ(first.exitCode, kExitOk) << errors.toStdString();
  EXPECT_TRUE(first.output.contains(QStringLiteral(" sorteos acertados\n\n\n")));
  EXPECT_EQ(run({QStringLiteral("--seed=9")}).output, first.output);
  run({});
  EXPECT_TRUE(errors.startsWith(QStringLiteral("semilla "))) << errors.toStdString();
  EXPECT_EQ(run({QStringLiteral("--combinations"), saved}).output, first.output);

  // A damaged list is refused and left where it is.
  test::WriteFile(saved, QByteArray(1000 * 100, '\x01'));
  EXPECT_EQ(run({QStringLiteral("--combinations"), saved}).exitCode, kExitListRejected);
  EXPECT_TRUE(QFileInfo::exists(saved));
  EXPECT_EQ(run({QStringLiteral("--combinations"), folder.FilePath(QStringLiteral("none.CMB"))}).exitCode,
            kExitNoInput);
  EXPECT_EQ(NothingBesideTheHistory(), QStringList{QStringLiteral("Loto.txt")});
}

// --baseline N on reports 7 and 20 replays N draws, each weighed on the draws
// known before it: two steps are the last step of the history one draw shorter
// plus the last step of the whole history, whatever the future held.
TEST_F(ReportToolRun, ForecastBaselineStepsUseOnlyTheDrawsKnownBeforeThem) {
  const QByteArray whole = test::SixNumberHistory(130);
  const QByteArray shorter = whole.left(whole.lastIndexOf("\r\n", whole.size() - 3) + 2);
  const auto baseline = [&](const QByteArray& history, const char* report, int draws) {
    const QString path = folder.Write(QStringLiteral("Loto.txt"), history);
    const ReportOutcome outcome = Run({QStringLiteral("--format=json"), QStringLiteral("--baseline=%1").arg(draws),
                                       path, QString::fromLatin1(report)});
    EXPECT_EQ(outcome.exitCode, kExitOk) << errors.toStdString();
    return QJsonDocument::fromJson(outcome.output.toUtf8()).object().value(QStringLiteral("baseline")).toObject();
  };
  for (const char* report : {"7", "analisis-ia"}) {
    const QJsonObject two = baseline(whole, report, 2);
    const QJsonObject last = baseline(whole, report, 1);
    const QJsonObject before = baseline(shorter, report, 1);
    for (const char* key : {"drawsReplayed", "hits", "expectedHits"}) {
      const auto sum = [key](const QJsonObject& o) { return o.value(QLatin1String(key)).toDouble(); };
      EXPECT_NEAR(sum(two), sum(last) + sum(before), 1e-9) << report << " " << key;
    }
    EXPECT_GT(two.value(QStringLiteral("expectedHits")).toDouble(), 0) << report;
  }
}

}  // namespace
}  // namespace tombolix
