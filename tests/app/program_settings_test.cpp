#include "app/program_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>

namespace tombolix::test {
namespace {

// Lottery names are file names: every one keeps its own address across runs,
// however it is spelt, and none is confused with another.
TEST(ProgramSettingsTest, EveryLotteryNameRoundTripsAsItsOwnKey) {
  TempFolder temp;
  const QStringList names = QString::fromUtf8(
                                "Loto 6-45|  Lotería de Medellín |a.b.c|100%|100%25|Chance\\Noche|"
                                "Chance%5CNoche|x=y; [z] #c|\"comillas\", 'y'|Ñandú 日本|General|DireccionesWeb")
                                .split(QLatin1Char('|'));
  {
    ProgramSettings settings(temp.Path());
    for (qsizetype i = 0; i < names.size(); ++i) {
      settings.SetWebAddress(names[i], QStringLiteral("https://resultados.test/%1.csv").arg(i));
    }
    settings.SetValue(QStringLiteral("Seleccion/Loteria"), names[1]);
    settings.SetValue(QStringLiteral("Colores/Oscuro"), true);
    EXPECT_TRUE(settings.Ok());
  }
  // Read from a copy: QSettings shares what one path holds within a process, so
  // only another path proves the file itself holds every value.
  temp.Write(QStringLiteral("copia/Recursos/Tombolix.ajustes"), ReadFile(ProgramSettingsPath(temp.Path())));
  ProgramSettings reread(temp.FilePath(QStringLiteral("copia")));
  for (qsizetype i = 0; i < names.size(); ++i) {
    EXPECT_EQ(reread.WebAddress(names[i]), QStringLiteral("https://resultados.test/%1.csv").arg(i))
        << names[i].toStdString();
  }
  EXPECT_EQ(reread.WebAddress(QStringLiteral("Loto 6-46")), QString());
  EXPECT_EQ(reread.Value(QStringLiteral("Seleccion/Loteria")).toString(), names[1]);
  EXPECT_TRUE(reread.Value(QStringLiteral("Colores/Oscuro")).toBool());
  EXPECT_EQ(reread.Value(QStringLiteral("Colores/Falta"), 7).toInt(), 7);
  // The one-value history-folder file is another file and stays untouched.
  EXPECT_TRUE(FileExists(temp.FilePath(QStringLiteral("Recursos/Tombolix.ajustes"))));
  EXPECT_FALSE(FileExists(temp.FilePath(QStringLiteral("Recursos/Tombolix.INI"))));

  // An empty address forgets the lottery.
  const QString copy = ProgramSettingsPath(temp.FilePath(QStringLiteral("copia")));
  EXPECT_TRUE(ReadFile(copy).contains("Loto%206-45="));
  reread.SetWebAddress(names[0], QStringLiteral("  "));
  EXPECT_FALSE(ReadFile(copy).contains("Loto%206-45="));
}

// No file, and a place where no file can be made (Recursos is a file), both
// read as defaults; values set there last for the run and are reported unsaved.
TEST(ProgramSettingsTest, MissingOrUnwritableFileReadsAsDefaults) {
  TempFolder temp;
  EXPECT_EQ(ProgramSettings(temp.Path()).WebAddress(QStringLiteral("Loto")), QString());
  temp.Write(QStringLiteral("Recursos"), "not a folder");
  ProgramSettings settings(temp.Path());
  settings.SetWebAddress(QStringLiteral("Loto"), QStringLiteral("https://resultados.test/loto.csv"));
  EXPECT_EQ(settings.WebAddress(QStringLiteral("Loto")), QStringLiteral("https://resultados.test/loto.csv"));
  EXPECT_FALSE(settings.Ok());
  EXPECT_EQ(ReadFile(temp.FilePath(QStringLiteral("Recursos"))), QByteArray("not a folder"));
}

}  // namespace
}  // namespace tombolix::test
