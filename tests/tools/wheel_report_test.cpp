#include "report_options.h"
#include "report_runner.h"

#include "support/synth_games.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

struct ToolRun {
  int exitCode = 0;
  QString output;
  QString errors;
};

ToolRun RunTool(const QStringList& args) {
  ToolRun run;
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.error.isEmpty()) {
    run.exitCode = kExitUsage;
    run.errors = parsed.error;
    return run;
  }
  QTextStream stream(&run.errors);
  const ReportOutcome outcome = RunReport(parsed.options, stream);
  run.exitCode = outcome.exitCode;
  run.output = outcome.output;
  return run;
}

TEST(WheelReport, TicketsAfterTheHeadingAndTheExitCodes) {
  test::TempFolder folder;
  const QString lotto =
      folder.Write(QStringLiteral("Loto.txt"), SyntheticHistory(test::SynthPool(6, 45, 0, false, 200)));
  const QString chance = folder.Write(QStringLiteral("Chance.txt"), SyntheticHistory(test::SynthDigits(4, 100)));

  const ToolRun done = RunTool({QStringLiteral("--wheel"), QStringLiteral("3,7,12,19,22,28,31,36,40,44,45,1"),
                                QStringLiteral("--guarantee=3/3"), lotto, QStringLiteral("reduccion")});
  ASSERT_EQ(done.exitCode, kExitOk) << done.errors.toStdString();
  const QStringList parts = done.output.split(QStringLiteral("\n\n"));
  ASSERT_EQ(parts.size(), 2);
  EXPECT_TRUE(parts[0].contains(QStringLiteral("Garantía comprobada")));
  const QStringList tickets = parts[1].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_GE(tickets.size(), 15);
  EXPECT_EQ(tickets[0].left(3), QStringLiteral("01 "));
  EXPECT_TRUE(
      parts[0].contains(QStringLiteral("Reducción de 12 números en jugadas de 6: %1 jugadas").arg(tickets.size())));

  struct Case {
    QStringList args;
    int exitCode;
  };
  const QString wheel = QStringLiteral("--wheel=1,2,3,4,5,6,7,8,9,10");
  const QString report = QStringLiteral("reduccion");
  const Case cases[] = {
      {{wheel, QStringLiteral("--guarantee=4/3"), lotto, report}, kExitUsage},   // t > m
      {{wheel, QStringLiteral("--guarantee=3/7"), lotto, report}, kExitUsage},   // seven of a six-number draw
      {{wheel, QStringLiteral("--guarantee=tres"), lotto, report}, kExitUsage},  // malformed
      {{QStringLiteral("--wheel=1,2,x"), QStringLiteral("--guarantee=2/2"), lotto, report}, kExitUsage},
      {{wheel, lotto, report}, kExitUsage},                                                  // no guarantee
      {{wheel, QStringLiteral("--guarantee=2/2"), lotto, QStringLiteral("2")}, kExitUsage},  // not the report
      {{lotto, report}, kExitUsage},
      {{wheel, QStringLiteral("--guarantee=2/2"), QStringLiteral("--fixed=11"), lotto, report}, kExitUsage},
      {{wheel, QStringLiteral("--guarantee=2/2"), chance, report}, kExitFailed},  // digits: no pool
      {{wheel, QStringLiteral("--guarantee=2/2"), folder.FilePath(QStringLiteral("nada.txt")), report}, kExitNoInput},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_FALSE(run.errors.isEmpty());
  }
  EXPECT_TRUE(HelpText().contains(QStringLiteral("reduccion")));
}

}  // namespace
}  // namespace tombolix
