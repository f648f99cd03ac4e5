#include "report_options.h"
#include "report_runner.h"

#include "combinations/combination_list.h"
#include "combinations/list_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace tombolix {
namespace {

// The report "jugadas": exit codes, bad lines on standard error, the formats.
TEST(TicketsTool, ExitCodesBadLinesAndFormats) {
  test::TempFolder folder;
  const QString history = folder.Write(QStringLiteral("Sorteo.txt"),
                                       "01/01/2020,1,2,3,4,5\r\n02/01/2020,2,4,6,8,10\r\n03/01/2020,1,3,5,7,9\r\n"
                                       "04/01/2020,6,7,8,9,10\r\n05/01/2020,11,13,17,19,20\r\n");
  // A list file of this lottery: 1000 combinations of five numbers.
  QVector<QString> lines;
  for (int i = 1; i <= kListSize; ++i) {
    const std::array<quint8, 5> numbers{1, 2, 3, 4, static_cast<quint8>(5 + i % 10)};
    lines.append(CombinationLine(i, numbers));
  }
  const QString list = folder.FilePath(QStringLiteral("Sorteo.CMB"));
  ASSERT_TRUE(GuardarListaCmb(list, lines, 5));
  const QString wrongList = folder.FilePath(QStringLiteral("Otro.CMB"));
  ASSERT_TRUE(GuardarListaCmb(wrongList, lines, 6));
  struct Case {
    const char* name;
    QString tickets;
    int exit;
    const char* onStderr;
  };
  const Case cases[] = {
      {"good and bad lines", folder.Write(QStringLiteral("a.txt"), "1 2 3 4 5\n1 2 3\n1 2 x 4 5\n"), kExitOk,
       "línea 3"},
      {"a CSV", folder.Write(QStringLiteral("b.csv"), "n1,n2,n3,n4,n5\n6,7,8,9,10\n"), kExitOk, "línea 1"},
      {"no ticket at all", folder.Write(QStringLiteral("c.txt"), "1 2 3\n99 1 2 3 4\n"), kExitListRejected,
       "ninguna jugada"},
      {"an empty file", folder.Write(QStringLiteral("d.txt"), ""), kExitListRejected, "ninguna jugada"},
      {"missing", folder.FilePath(QStringLiteral("nada.txt")), kExitNoInput, "nada.txt"},
      {"a list file", list, kExitOk, ""},
      {"another lottery's list file", wrongList, kExitListRejected, "Otro.CMB"},
  };
  // Runs the tool on `tickets` with `options` before the report's arguments.
  QString errors;
  const auto run = [&](const QString& tickets, QStringList options = {}) {
    const ParsedCommandLine parsed =
        ParseCommandLine(options << QStringLiteral("--tickets") << tickets << history << QStringLiteral("jugadas"));
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    errors.clear();
    QTextStream err(&errors);
    return RunReport(parsed.options, err);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportOutcome outcome = run(c.tickets);
    EXPECT_EQ(outcome.exitCode, c.exit);
    EXPECT_TRUE(errors.contains(QString::fromUtf8(c.onStderr))) << errors.toStdString();
    EXPECT_EQ(outcome.output.isEmpty(), c.exit != kExitOk);
  }
  const QString tickets = cases[0].tickets;
  const QJsonObject object =
      QJsonDocument::fromJson(
          run(tickets, {QStringLiteral("--format=json"), QStringLiteral("--match=en-su-posicion")}).output.toUtf8())
          .object();
  EXPECT_EQ(object.value(QStringLiteral("report")).toString(), QStringLiteral("jugadas"));
  EXPECT_EQ(object.value(QStringLiteral("checked")).toInt(), 1);
  EXPECT_EQ(object.value(QStringLiteral("badLines")).toArray().size(), 2);
  EXPECT_TRUE(object.value(QStringLiteral("text")).toString().contains(QStringLiteral("en su posición")));
  // The report needs its file, and the file needs the report.
  EXPECT_FALSE(ParseCommandLine({history, QStringLiteral("jugadas")}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({QStringLiteral("--tickets"), tickets, history, QStringLiteral("2")}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({QStringLiteral("--match=box"), QStringLiteral("--tickets"), tickets, history,
                                 QStringLiteral("jugadas")})
                   .error.isEmpty());
  EXPECT_TRUE(HelpText().contains(QStringLiteral("jugadas")));
}

}  // namespace
}  // namespace tombolix
