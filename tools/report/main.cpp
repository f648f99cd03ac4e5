// tombolix-report: prints one report of a history file, computed as the program
// computes it, in plain text, terminal colours, HTML or JSON.

#include "report_options.h"
#include "report_runner.h"

#include "app/spanish_translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  tombolix::InstallSpanishTranslations();
  QTextStream err(stderr);
  const tombolix::ParsedCommandLine parsed = tombolix::ParseCommandLine(QCoreApplication::arguments().mid(1));
  if (!parsed.error.isEmpty()) {
    err << QLatin1String("tombolix-report: ") << parsed.error << Qt::endl
        << tombolix::UsageLine() << QStringLiteral("Pruebe «tombolix-report --help».") << Qt::endl;
    return tombolix::kExitUsage;
  }
  QString output;
  int exitCode = tombolix::kExitOk;
  if (parsed.options.help) {
    output = tombolix::HelpText();
  } else {
    const tombolix::ReportOutcome outcome = tombolix::RunReport(parsed.options, err);
    output = outcome.output;
    exitCode = outcome.exitCode;
  }
  const QByteArray bytes = output.toUtf8();
  if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) !=
          static_cast<size_t>(bytes.size()) ||
      std::fflush(stdout) != 0) {
    err << QStringLiteral("tombolix-report: no se puede escribir el informe") << Qt::endl;
    return 74;  // EX_IOERR
  }
  return exitCode;
}
