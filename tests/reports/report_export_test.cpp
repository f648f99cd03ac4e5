#include "reports/report_export.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// "07%" and "12#" coloured as the colouring pass leaves them, over two CR LF lines.
ReportText TwoLines() {
  ReportText report(QStringLiteral("07% -->  3\r\n12# -->  1\r\n"));
  report.SetStyle(0, 2, CharStyle{kRed, true});
  report.SetColour(2, 1, kWhite);
  report.SetColour(12, 2, kBlue);
  report.SetColour(14, 1, kWhite);
  return report;
}

QJsonObject JsonOf(const ReportText& report, int pane) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(ExportJson(report, pane).toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError);
  return doc.object();
}

TEST(ReportExport, RawAndJsonRunsCoverTheLfTextWithoutEqualNeighbours) {
  const QJsonObject json = JsonOf(TwoLines(), 2);
  EXPECT_EQ(json[QStringLiteral("pane")].toInt(), 2);
  // Raw and JSON give the text with LF line breaks, marks included.
  EXPECT_EQ(json[QStringLiteral("text")].toString(), QStringLiteral("07% -->  3\n12# -->  1\n"));
  EXPECT_EQ(ExportRaw(TwoLines()), json[QStringLiteral("text")].toString());
  // Offsets count the LF text: "12" starts at 11 (12 in the CR LF text); equal neighbours merge.
  const QJsonArray runs = json[QStringLiteral("runs")].toArray();
  ASSERT_EQ(runs.size(), 6);
  EXPECT_EQ(runs[3].toObject(), QJsonDocument::fromJson(R"({"start": 11, "length": 2, "color": [0, 0, 255],
                                                           "bold": false})")
                                    .object());
  EXPECT_TRUE(runs[0].toObject()[QStringLiteral("bold")].toBool());

  // Neighbours that differ only in the CR of a CR LF merge once the CR is gone.
  ReportText report(QStringLiteral("ab\r\ncd"));
  report.SetAllColour(kRed);
  report.SetColour(2, 1, kWhite);
  EXPECT_EQ(JsonOf(report, 0)[QStringLiteral("runs")].toArray().size(), 1);
  EXPECT_TRUE(JsonOf(ReportText(), 7)[QStringLiteral("runs")].toArray().isEmpty());
}

TEST(ReportExport, AnsiColoursRunsAndHidesMarks) {
  const QString ansi = ExportAnsi(TwoLines());
  // The first run is bold red; the hidden mark is a plain space without a colour of its own.
  EXPECT_TRUE(ansi.startsWith(QStringLiteral("\x1b[0;1;38;2;255;0;0m07 \x1b[0;38;2;64;64;64m -->  3\n")));
  EXPECT_TRUE(ansi.contains(QStringLiteral("\x1b[0;38;2;0;0;255m12 \x1b")));
  EXPECT_FALSE(ansi.contains(QLatin1Char('#')));
  EXPECT_TRUE(ansi.endsWith(QStringLiteral("\x1b[0m")));
}

TEST(ReportExport, AnsiAndHtmlNeutraliseControlCharacters) {
  // A rejected history line is shown as read: it may carry an escape sequence.
  ReportText report(QStringLiteral("x\x1b]0;owned\x07y\tz\n"));
  EXPECT_TRUE(ExportAnsi(report).contains(QStringLiteral("x\uFFFD]0;owned\uFFFDy\tz\n")));
  EXPECT_FALSE(ExportHtml(report, QString()).contains(QChar(0x1b)));
  // Raw stays exact.
  EXPECT_EQ(ExportRaw(report), report.Text());
}

TEST(ReportExport, HtmlIsAStandalonePageWithEscapedText) {
  ReportText report(QStringLiteral("<b>&\"x\"</b> 07%\r\n"));
  report.SetColour(12, 2, kRed);
  report.SetColour(14, 1, kWhite);
  const QString html = ExportHtml(report, QStringLiteral("<Frecuencia>"));
  EXPECT_TRUE(html.contains(QStringLiteral("<title>&lt;Frecuencia&gt;</title>")));
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt; ")));
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color: #ff0000\">07</span>")));
  EXPECT_FALSE(html.contains(QLatin1Char('\r')));
  // The hidden mark is a space, as in a copy.
  EXPECT_FALSE(html.contains(QLatin1Char('%')));
  QString page =
      ExportHtml(TwoLines(), QString()).section(QStringLiteral("<pre>"), 1).section(QStringLiteral("</pre>"), 0, 0);
  page.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  EXPECT_EQ(page, QStringLiteral("07  --&gt;  3\n12  --&gt;  1\n"));
}

// A copy hides the marks as spaces in both forms, keeps the colours of what it
// holds, and takes exactly the part asked for, clipped to the report.
TEST(ReportExport, CopyBlanksHiddenMarksAndKeepsColours) {
  const ReportCopy whole = CopyReport(TwoLines(), 0, 1000);
  EXPECT_EQ(whole.plain, QStringLiteral("07  -->  3\n12  -->  1\n"));
  EXPECT_TRUE(whole.html.contains(QStringLiteral("<span style=\"color: #ff0000; font-weight: bold\">07</span>")));
  EXPECT_FALSE(whole.html.contains(QLatin1Char('%')));
  EXPECT_FALSE(whole.html.contains(QStringLiteral("#ffffff")));

  const ReportCopy part = CopyReport(TwoLines(), 12, 3);  // "12#" of the second line
  EXPECT_EQ(part.plain, QStringLiteral("12 "));
  EXPECT_TRUE(part.html.contains(QStringLiteral("<span style=\"color: #0000ff\">12</span>")));
  EXPECT_TRUE(CopyReport(TwoLines(), -5, 0).plain.isEmpty());
}

}  // namespace
}  // namespace tombolix
