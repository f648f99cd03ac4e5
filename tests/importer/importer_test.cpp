// The importer on small results files shaped as sites and spreadsheets export
// them: the history it makes, or the error it names, on which line.
#include "history/loader.h"
#include "importer/import_analysis.h"

#include <QDate>

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix {
namespace {

struct Case {
  const char* name;
  QByteArray bytes;
  QByteArray history;    // expected when there is no error
  qsizetype errorLine;   // -1: no error; 0: about the whole file
  const char* fragment;  // in the reason of that error
};

QByteArray Utf16(const QByteArray& text, bool littleEndian) {
  QByteArray out;
  for (const char c : text) out += littleEndian ? QByteArray(1, c) + '\0' : QByteArray(1, '\0') + c;
  return out;
}

// `rows` draws a week apart from 13/01/2023, each as `line(d, date)`.
template <typename Line>
QByteArray Rows(int rows, Line line) {
  QByteArray out;
  QDate date(2003, 1, 7);
  for (int d = 0; d < rows; ++d, date = date.addDays(7)) out += line(d, date);
  return out;
}

QByteArray Dmy(QDate date) { return date.toString(QStringLiteral("dd/MM/yyyy")).toLatin1(); }

QByteArray Numbers(int d, int count) {
  QByteArray out;
  for (int k = 0; k < count; ++k) out += (k ? "," : "") + QByteArray::number((d * 7 + k * 11) % 45 + 1).rightJustified(2, '0');
  return out;
}

const QByteArray kTwo = "13/01/2023,05,12,33,41,44\r\n20/01/2023,01,09,23,30,37\r\n";

// A weekly count of draws that starts again at 1 each year is no ball.
const QByteArray kWeekly = "Semana,Fecha,B1,B2\n" + Rows(60, [](int d, QDate date) {
  return QByteArray::number(d % 52 + 1) + "," + Dmy(date) + "," + Numbers(d, 2) + "\n";
});
const QByteArray kWeeklyHistory = Rows(60, [](int d, QDate date) { return Dmy(date) + "," + Numbers(d, 2) + "\r\n"; });

const Case kCases[] = {
    // Encodings recognised by themselves.
    {"UTF-16 LE without a mark", Utf16("13/01/2023\t5\t12\t33\t41\t44\r\n20/01/2023\t1\t9\t23\t30\t37\r\n", true), kTwo, -1, ""},
    {"UTF-16 BE without a mark", Utf16("13/01/2023;5;12;33;41;44\n20/01/2023;1;9;23;30;37\n", false), kTwo, -1, ""},
    {"Windows-1252 header", "Fecha;N\xFAmero 1;N\xFAmero 2\n13/01/2023;5;12\n", "13/01/2023,05,12\r\n", -1, ""},
    // CSV as written in practice.
    {"sep= line, title and total lines", "sep=;\nResultados 2023\n\nFecha;B1;B2\n13/01/2023;5;12\nTotal;2;\n",
     "13/01/2023,05,12\r\n", -1, ""},
    {"quoted jackpot in a comma file", "Date,N1,N2,Jackpot\n13/01/2023,5,12,\"$20,000,000\"\n20/01/2023,6,13,\"$1,000\"\n",
     "13/01/2023,05,12\r\n20/01/2023,06,13\r\n", -1, ""},
    {"decimal commas in a semicolon file", "Fecha;B1;B2;Premio\n13/01/2023;5;12;1.234,56\n20/01/2023;6;13;99,5\n",
     "13/01/2023,05,12\r\n20/01/2023,06,13\r\n", -1, ""},
    {"doubled quotes and a line break in a note", "Fecha,B1,B2,Nota\n13/01/2023,5,12,\"a \"\"b\"\"\nc\"\n20/01/2023,6,13,\n",
     "13/01/2023,05,12\r\n20/01/2023,06,13\r\n", -1, ""},
    {"fixed-width export", "Draw #   Draw Date           N1  N2\n  12     Wed. Jan 11, 2023    5  12\n  11     Sat. Jan 07, 2023    7   1\n",
     "07/01/2023,07,01\r\n11/01/2023,05,12\r\n", -1, ""},
    // Columns by meaning.
    {"multiplier and draw number left out", "Draw,Date,N1,N2,Power Play\n1,13/01/2023,5,12,2X\n2,20/01/2023,6,13,10X\n",
     "13/01/2023,05,12\r\n20/01/2023,06,13\r\n", -1, ""},
    {"a weekly counter restarting", kWeekly, kWeeklyHistory, -1, ""},
    {"numbers in one cell", "Fecha;Numeros;Estrellas\n13/01/2023;05 12 33;07-09\n20/01/2023;1|9|23;1+2\n",
     "13/01/2023,05,12,33,07,09\r\n20/01/2023,01,09,23,01,02\r\n", -1, ""},
    {"digits in one string beside their columns",
     "n,date,number,d1,d2,d3\n1,2023-01-07,047,0,4,7\n2,2023-01-10,910,9,1,0\n3,2023-01-14,3,0,0,3\n",
     "07/01/2023,00,04,07\r\n10/01/2023,09,01,00\r\n14/01/2023,00,00,03\r\n", -1, ""},
    {"a series beside a digit game's number", "Sorteo;Fecha;Numero;Serie\n4101;13/01/2023;0149;087\n4102;20/01/2023;3920;112\n",
     "13/01/2023,00,01,04,09\r\n20/01/2023,03,09,02,00\r\n", -1, ""},
    {"marked complementary ball and refund, weekday after a dash",
     "Fecha\tCombinación\tC\tR\n13/01/2023 - Viernes\t01 - 13 - 22\tC(48)\tR(8)\n20/01/2023 - Viernes\t02 - 14 - 23\tC(07)\tR(1)\n",
     "13/01/2023,01,13,22,48\r\n20/01/2023,02,14,23,07\r\n", -1, ""},
    {"digits in one string alone", "date,number\n2023-01-07,047\n2023-01-10,910\n",
     "07/01/2023,00,04,07\r\n10/01/2023,09,01,00\r\n", -1, ""},
    // Dates as people write them.
    {"weekday, month name and time", "Fecha;B1;B2\nvie 13/01/2023;5;12\nSat, Jan 14, 2023 21:30;6;13\n15/01/2023 00:00:00;7;14\n",
     "13/01/2023,05,12\r\n14/01/2023,06,13\r\n15/01/2023,07,14\r\n", -1, ""},
    {"month first read from the whole file", "Date,B1,B2\n01/07/2023,5,12\n01/13/2023,6,13\n",
     "07/01/2023,05,12\r\n13/01/2023,06,13\r\n", -1, ""},
    {"month first or day first: the user must say", "Date,B1,B2\n01/02/2023,5,12\n01/03/2023,6,13\n", {}, 0, "--date-order"},
    // Repeats and draws of one date.
    {"draw names tell equal draws apart, newest first",
     "Fecha;Sorteo;B1;B2\n14/01/2023;Noche;1;2\n14/01/2023;Mediodía;1;2\n13/01/2023;Noche;3;4\n",
     "13/01/2023,03,04\r\n14/01/2023,01,02\r\n14/01/2023,01,02\r\n", -1, ""},
    {"a whole row repeated is dropped", "13/01/2023,5,12\n20/01/2023,6,13\n20/01/2023,6,13\n",
     "13/01/2023,05,12\r\n20/01/2023,06,13\r\n", -1, ""},
    {"same date and numbers, another prize", "Fecha,B1,B2,Premio\n13/01/2023,5,12,100\n13/01/2023,5,12,200\n", {}, 3, "línea 2"},
    {"only a draw not yet held", "Fecha;B1;B2\n13/01/2023;0;0\n", {}, 0, "ningún sorteo"},
    {"a last draw not yet held", "Fecha;B1;B2\n13/01/2023;5;12\n20/01/2023;;\n", "13/01/2023,05,12\r\n", -1, ""},
    // Bad input.
    {"empty", "", {}, 0, "vacío"},
    {"header alone", "Fecha;Bola 1;Bola 2\n", {}, 0, ""},
    {"one column", "13/01/2023\n20/01/2023\n", {}, 0, "una sola columna"},
    {"letter in a ball", "13/01/2023,5,12\n14/01/2023,9,4O\n15/01/2023,7,24\n", {}, 2, "4O"},
    {"number above 99", "13/01/2023,5,12\n14/01/2023,6,130\n", {}, 2, "99"},
    {"more than seven numbers", "13/01/2023,1,2,3,4,5,6,7,8\n", {}, 0, "7"},
    {"matrix change at the newest end", "13/01/2023,1,2\n14/01/2023,3,4\n15/01/2023,5,6,7\n20/01/2023,8,9,10\n", {}, 3,
     "2 sorteos"},
    {"matrix change at the oldest end of a newest-first file",
     "20/01/2023,8,9,10\n15/01/2023,5,6,7\n14/01/2023,3,4\n13/01/2023,1,2\n", {}, 2, "2 sorteos"},
};

TEST(Importer, ReadsEachShapeOrNamesItsError) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const ImportAnalysis a = AnalyseImport(c.bytes, {});
    const QString first = a.problems.isEmpty() ? QString() : ProblemLine(a.problems.front());
    if (c.errorLine < 0) {
      EXPECT_FALSE(a.HasErrors()) << first.toStdString();
      EXPECT_EQ(a.historyText, c.history);
      continue;
    }
    EXPECT_TRUE(a.historyText.isEmpty());
    ASSERT_TRUE(a.HasErrors());
    EXPECT_EQ(a.problems.front().line, c.errorLine) << first.toStdString();
    EXPECT_TRUE(a.problems.front().reason.contains(QString::fromUtf8(c.fragment))) << first.toStdString();
  }
}

TEST(Importer, EveryColumnLeftOutIsNamedWithASample) {
  const ImportAnalysis a = AnalyseImport("Draw,Date,N1,N2,Power Play,Product\n" + Rows(12, [](int d, QDate date) {
    return QByteArray::number(d + 1) + "," + Dmy(date) + "," + Numbers(d, 2) + ",3X,649\n";
  }), {});
  ASSERT_FALSE(a.HasErrors());
  const QString summary = LayoutSummary(a).join(u'\n');
  for (const char* named : {"«Draw»: número de sorteo", "«Power Play»: multiplicador, p. ej. «3X»", "«Product»: valor que no cambia"}) {
    EXPECT_TRUE(summary.contains(QString::fromUtf8(named))) << summary.toStdString();
  }
}

TEST(Importer, ErrorsComeFirstAndTheCapNeverHidesThem) {
  // 250 rows written twice (a warning each) before one bad number.
  QByteArray bytes = Rows(250, [](int d, QDate date) {
    const QByteArray line = Dmy(date) + "," + Numbers(d, 2) + "\n";
    return line + line;
  });
  bytes += "01/01/2010,5,1x\n";
  const ImportAnalysis a = AnalyseImport(bytes, {});
  ASSERT_LE(a.problems.size(), kMaxImportProblems + 2);
  EXPECT_TRUE(a.problems.front().error);
  EXPECT_EQ(a.problems.front().line, 501);
  EXPECT_TRUE(a.problems.back().reason.contains(u"avisos más"));
}

TEST(Importer, TheUserChoosesTheDateOrderAndColumns) {
  ImportOptions options;
  options.dateOrder = DateOrder::MonthDayYear;
  EXPECT_EQ(AnalyseImport("Date,B1,B2\n01/02/2023,5,12\n01/03/2023,6,13\n", options).historyText,
            "02/01/2023,05,12\r\n03/01/2023,06,13\r\n");
  options = {};
  options.numberColumns = {3, 1};
  options.dateColumn = 0;
  EXPECT_EQ(AnalyseImport("13/01/2023,5,12,8\n20/01/2023,6,13,9\n", options).historyText,
            "13/01/2023,08,05\r\n20/01/2023,09,06\r\n");
}

TEST(Importer, CancelStopsTheWork) {
  QByteArray big;
  for (int d = 0; d < 70000; ++d) big += "13/01/2023,5,12\n";
  const ImportAnalysis a = AnalyseImport(big, {}, [](int) { return false; });
  EXPECT_TRUE(a.cancelled);
  EXPECT_TRUE(a.historyText.isEmpty());
}

}  // namespace
}  // namespace tombolix
