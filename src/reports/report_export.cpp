#include "reports/report_export.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tombolix {

namespace {

inline constexpr QChar kReplacement(0xFFFD);

// Select Graphic Rendition: reset, bold when asked, 24-bit foreground colour.
QString AnsiStart(const CharStyle& style) {
  QString sgr = QStringLiteral("\x1b[0;");
  if (style.bold) sgr += QLatin1String("1;");
  sgr += QStringLiteral("38;2;%1;%2;%3m").arg(RedOf(style.colour)).arg(GreenOf(style.colour)).arg(BlueOf(style.colour));
  return sgr;
}

// The character itself, or U+FFFD for a C0 or C1 control other than line feed
// and tab: text read from a file must not drive a terminal or break a page.
QChar Printable(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'\n' || u == u'\t') return c;
  if (u < 0x20 || (u >= 0x7F && u < 0xA0)) return kReplacement;
  return c;
}

QString HtmlColour(Rgb colour) {
  return QStringLiteral("#%1%2%3")
      .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
      .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
      .arg(BlueOf(colour), 2, 16, QLatin1Char('0'));
}

// One <span> per run, the text escaped.
void AppendHtmlRuns(QString& out, const LfReport& lf) {
  for (const StyleRun& run : lf.runs) {
    out += QStringLiteral("<span style=\"color: %1%2\">")
               .arg(HtmlColour(run.style.colour), run.style.bold ? QStringLiteral("; font-weight: bold") : QString());
    QString part = lf.text.mid(run.start, run.length);
    for (QChar& c : part) c = Printable(c);
    out += part.toHtmlEscaped();
    out += QLatin1String("</span>");
  }
}

}  // namespace

std::optional<ExportFormat> ParseExportFormat(QStringView name) {
  if (name == u"raw") return ExportFormat::Raw;
  if (name == u"ansi") return ExportFormat::Ansi;
  if (name == u"html") return ExportFormat::Html;
  if (name == u"json") return ExportFormat::Json;
  return std::nullopt;
}

QString ExportRaw(const ReportText& report) { return ToLfReport(report).text; }

QString ExportAnsi(const ReportText& report) {
  const LfReport lf = ToLfReport(report);
  QString out;
  out.reserve(lf.text.size() + static_cast<qsizetype>(lf.runs.size()) * 24 + 4);
  for (const StyleRun& run : lf.runs) {
    // A hidden mark needs no colour of its own: it is blank whatever the terminal's colours.
    const bool hidden = run.style.colour == kWhite;
    if (!hidden) out += AnsiStart(run.style);
    for (int i = run.start; i < run.start + run.length; ++i) {
      const QChar c = lf.text.at(i);
      out += hidden && c != QLatin1Char('\n') ? QLatin1Char(' ') : Printable(c);
    }
  }
  if (!lf.runs.empty()) out += QLatin1String("\x1b[0m");
  return out;
}

QString ExportHtml(const ReportText& report, const QString& title) {
  const LfReport lf = ToLfReport(BlankHiddenMarks(report, 0, report.Length()));
  QString out = QStringLiteral(
                    "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                    "<style>\nbody { background: #ffffff; margin: 1em; }\n"
                    "pre { font-family: \"Courier New\", Courier, monospace; font-weight: bold; "
                    "font-size: 15pt; color: #404040; }\n</style>\n</head>\n<body>\n<pre>")
                    .arg(title.toHtmlEscaped());
  AppendHtmlRuns(out, lf);
  out += QLatin1String("</pre>\n</body>\n</html>\n");
  return out;
}

QString ExportJson(const ReportText& report, int pane) {
  const LfReport lf = ToLfReport(report);
  QJsonArray runs;
  for (const StyleRun& run : lf.runs) {
    const QJsonArray colour{RedOf(run.style.colour), GreenOf(run.style.colour), BlueOf(run.style.colour)};
    runs.append(QJsonObject{{QStringLiteral("start"), run.start},
                            {QStringLiteral("length"), run.length},
                            {QStringLiteral("color"), colour},
                            {QStringLiteral("bold"), run.style.bold}});
  }
  const QJsonObject root{
      {QStringLiteral("pane"), pane}, {QStringLiteral("text"), lf.text}, {QStringLiteral("runs"), runs}};
  return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

ReportText BlankHiddenMarks(const ReportText& report, int start, int length) {
  start = std::clamp(start, 0, report.Length());
  length = std::clamp(length, 0, report.Length() - start);
  const std::vector<StyleRun> runs = report.Runs(start, length);
  QString text = report.Text().mid(start, length);
  for (const StyleRun& run : runs) {
    if (run.style.colour != kWhite) continue;
    // A hidden mark: a blank in the copy (line breaks stay line breaks).
    for (int i = run.start; i < run.start + run.length; ++i) {
      if (text.at(i) != u'\r' && text.at(i) != u'\n') text[i] = u' ';
    }
  }
  ReportText blanked(std::move(text));
  for (const StyleRun& run : runs) {
    if (run.style.colour != kWhite) blanked.SetStyle(run.start, run.length, run.style);
  }
  return blanked;
}

ReportCopy CopyReport(const ReportText& report, int start, int length) {
  const LfReport lf = ToLfReport(BlankHiddenMarks(report, start, length));
  ReportCopy copy;
  copy.plain = lf.text;
  for (QChar& c : copy.plain) c = Printable(c);
  copy.html = QStringLiteral(
      "<pre style=\"font-family: 'Courier New', Courier, monospace; font-weight: bold; color: #404040\">");
  AppendHtmlRuns(copy.html, lf);
  copy.html += QLatin1String("</pre>");
  return copy;
}

QString ExportReport(const ReportText& report, int pane, ExportFormat format, const QString& title) {
  switch (format) {
    case ExportFormat::Raw:
      return ExportRaw(report);
    case ExportFormat::Ansi:
      return ExportAnsi(report);
    case ExportFormat::Html:
      return ExportHtml(report, title);
    case ExportFormat::Json:
      return ExportJson(report, pane);
  }
  return ExportRaw(report);
}

}  // namespace tombolix
