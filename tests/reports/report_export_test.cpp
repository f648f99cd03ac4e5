#include "reports/report_export.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

TEST(ReportExport, FormatNames) {
  EXPECT_EQ(ParseExportFormat(u"raw"), ExportFormat::Raw);
  EXPECT_EQ(ParseExportFormat(u"ansi"), ExportFormat::Ansi);
  EXPECT_EQ(ParseExportFormat(u"html"), ExportFormat::Html);
  EXPECT_EQ(ParseExportFormat(u"json"), ExportFormat::Json);
  EXPECT_FALSE(ParseExportFormat(u"RAW").has_value());
  EXPECT_FALSE(ParseExportFormat(u"").has_value());
}

TEST(ReportExport, RawKeepsMarksAndTurnsCrLfIntoLf) {
  EXPECT_EQ(ExportRaw(TwoLines()), QStringLiteral("07% -->  3\n12# -->  1\n"));
  EXPECT_EQ(ExportRaw(ReportText(QStringLiteral("a\rb\r\n\r\n"))), QStringLiteral("a\rb\n\n"));
}

TEST(ReportExport, JsonRunsCoverTheLfTextWithoutEqualNeighbours) {
  const QJsonObject json = JsonOf(TwoLines(), 2);
  EXPECT_EQ(json[QStringLiteral("pane")].toInt(), 2);
  const QString text = json[QStringLiteral("text")].toString();
  EXPECT_EQ(text, QStringLiteral("07% -->  3\n12# -->  1\n"));
  const QJsonArray runs = json[QStringLiteral("runs")].toArray();
  int next = 0;
  QJsonObject previous;
  for (const QJsonValue& value : runs) {
    const QJsonObject run = value.toObject();
    EXPECT_EQ(run[QStringLiteral("start")].toInt(), next);
    EXPECT_GT(run[QStringLiteral("length")].toInt(), 0);
    next += run[QStringLiteral("length")].toInt();
    EXPECT_EQ(run[QStringLiteral("color")].toArray().size(), 3);
    if (!previous.isEmpty()) {
      EXPECT_FALSE(previous[QStringLiteral("color")] == run[QStringLiteral("color")] &&
                   previous[QStringLiteral("bold")] == run[QStringLiteral("bold")]);
    }
    previous = run;
  }
  EXPECT_EQ(next, text.size());
  // "12" starts at 11 in the LF text (12 in the CR LF text).
  ASSERT_EQ(runs.size(), 6);
  const QJsonObject blue = runs[3].toObject();
  EXPECT_EQ(blue[QStringLiteral("start")].toInt(), 11);
  EXPECT_EQ(blue[QStringLiteral("length")].toInt(), 2);
  EXPECT_EQ(blue[QStringLiteral("color")].toArray(), (QJsonArray{0, 0, 255}));
  EXPECT_FALSE(blue[QStringLiteral("bold")].toBool());
  const QJsonObject red = runs[0].toObject();
  EXPECT_EQ(red[QStringLiteral("color")].toArray(), (QJsonArray{255, 0, 0}));
  EXPECT_TRUE(red[QStringLiteral("bold")].toBool());
}

TEST(ReportExport, JsonMergesRunsThatMeetOnceTheCrIsGone) {
  ReportText report(QStringLiteral("ab\r\ncd"));
  report.SetAllColour(kRed);
  report.SetColour(2, 1, kWhite);  // only the CR differs
  const QJsonArray runs = JsonOf(report, 0)[QStringLiteral("runs")].toArray();
  ASSERT_EQ(runs.size(), 1);
  EXPECT_EQ(runs[0].toObject()[QStringLiteral("length")].toInt(), 5);
}

TEST(ReportExport, JsonOfAnEmptyPane) {
  const QJsonObject json = JsonOf(ReportText(), 7);
  EXPECT_EQ(json[QStringLiteral("text")].toString(), QString());
  EXPECT_TRUE(json[QStringLiteral("runs")].toArray().isEmpty());
}

TEST(ReportExport, AnsiColoursRunsAndHidesMarks) {
  const QString ansi = ExportAnsi(TwoLines());
  // The first run is bold red; the hidden mark is a plain space without a colour of its own.
  EXPECT_TRUE(ansi.startsWith(QStringLiteral("\x1b[0;1;38;2;255;0;0m07 \x1b[0;38;2;64;64;64m -->  3\n")));
  EXPECT_TRUE(ansi.contains(QStringLiteral("\x1b[0;38;2;0;0;255m12 \x1b")));
  EXPECT_FALSE(ansi.contains(QStringLiteral("255;255;255")));
  EXPECT_FALSE(ansi.contains(QLatin1Char('%')));
  EXPECT_FALSE(ansi.contains(QLatin1Char('#')));
  EXPECT_TRUE(ansi.endsWith(QStringLiteral("\x1b[0m")));
  EXPECT_EQ(ansi.count(QLatin1Char('\n')), 2);
}

TEST(ReportExport, AnsiAndHtmlNeutraliseControlCharacters) {
  // A rejected history line is shown as read: it may carry an escape sequence.
  ReportText report(QStringLiteral("x\x1b]0;owned\x07y\tz\n"));
  const QString ansi = ExportAnsi(report);
  EXPECT_FALSE(ansi.contains(QStringLiteral("\x1b]")));
  EXPECT_FALSE(ansi.contains(QChar(0x07)));
  EXPECT_TRUE(ansi.contains(QStringLiteral("x\uFFFD]0;owned\uFFFDy\tz\n")));
  EXPECT_FALSE(ExportHtml(report, QString()).contains(QChar(0x1b)));
  // Raw stays exact.
  EXPECT_EQ(ExportRaw(report), report.Text());
}

TEST(ReportExport, HtmlIsAStandalonePageWithEscapedText) {
  ReportText report(QStringLiteral("<b>&\"x\"</b> 07%\r\n"));
  report.SetColour(12, 2, kRed);
  report.SetColour(14, 1, kWhite);
  const QString html = ExportHtml(report, QStringLiteral("Tombolix - <Frecuencia>"));
  EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
  EXPECT_TRUE(html.contains(QStringLiteral("<title>Tombolix - &lt;Frecuencia&gt;</title>")));
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt; ")));
  EXPECT_FALSE(html.contains(QStringLiteral("<b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color: #ff0000\">07</span>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color: #ffffff\">%</span>")));
  EXPECT_TRUE(html.contains(QStringLiteral("font-weight: bold")));
  EXPECT_TRUE(html.contains(QStringLiteral("background: #ffffff")));
  EXPECT_FALSE(html.contains(QLatin1Char('\r')));
  EXPECT_TRUE(html.trimmed().endsWith(QStringLiteral("</html>")));
}

}  // namespace
}  // namespace tombolix
