#include "app/program_log.h"
#include "app/command_log.h"
#include "app/spanish_translations.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

QByteArray Lines(int from, int to) {
  QByteArray bytes;
  for (int i = from; i <= to; ++i) bytes += "linea " + QByteArray::number(i) + '\n';
  return bytes;
}

// Only the last lines are kept; a short or missing log is left as it is.
TEST(ProgramLogTest, TrimKeepsTheLastLines) {
  struct Case {
    QByteArray before;
    QByteArray after;
  };
  for (const Case& c : {Case{Lines(1, 5), Lines(3, 5)}, Case{Lines(1, 3), Lines(1, 3)},
                        Case{Lines(1, 4).chopped(1), Lines(2, 4).chopped(1)}, Case{QByteArray(), QByteArray()}}) {
    TempFolder temp;
    const QString path = temp.Write(QStringLiteral("Tombolix.log"), c.before);
    EXPECT_TRUE(TrimLogFile(path, 3));
    EXPECT_EQ(ReadFile(path), c.after) << c.before.toStdString();
  }
  TempFolder temp;
  EXPECT_TRUE(TrimLogFile(temp.FilePath(QStringLiteral("nada.log")), 3));
  EXPECT_FALSE(QFile::exists(temp.FilePath(QStringLiteral("nada.log"))));
}

// Warnings, such as why the program ends, reach the file; information does not.
TEST(ProgramLogTest, WarningsAndTheEndGoToTheLogFile) {
  TempFolder temp;
  temp.MakeFolder(QStringLiteral("Tombolix/Recursos"));
  InstallProgramLog(temp.FilePath(QStringLiteral("Tombolix")));
  qCInfo(lcCommands) << "pane 2 shown";
  LogProgramEnd(QStringLiteral("ventana cerrada por el usuario"));
  qInstallMessageHandler(nullptr);
  const QByteArray log = ReadFile(ProgramLogPath(temp.FilePath(QStringLiteral("Tombolix"))));
  EXPECT_TRUE(log.contains("aviso: fin del programa: ventana cerrada por el usuario\n")) << log.toStdString();
  EXPECT_FALSE(log.contains("pane 2"));
}

TEST(SpanishSupplementTest, AnswersOnlyForTheWordsQtLacks) {
  const SpanishSupplement supplement;
  EXPECT_EQ(supplement.translate("QAbstractFileIconProvider", "Folder", "All other platforms"), u"Carpeta");
  EXPECT_EQ(supplement.translate("QAbstractFileIconProvider", "%1 File"), u"Archivo %1");
  EXPECT_TRUE(supplement.translate("QFileDialog", "Folder").isNull());
}

}  // namespace
}  // namespace tombolix::test
