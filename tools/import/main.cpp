// tombolix-import: turns a downloaded CSV of draw results into a history file.

#include "import_cli.h"

#include "app/spanish_translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tombolix-import"));
  tombolix::InstallSpanishTranslations();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return tombolix::RunImportCli(QCoreApplication::arguments().mid(1), out, err);
}
