#pragma once

#include "reports/report_text.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tombolix {

// The ways a report leaves the program: the report tool prints them, the
// window copies and exports them. All are made from the report model.
enum class ExportFormat {
  Raw,   // the text, CR LF as LF, marks included
  Ansi,  // coloured for a terminal (24-bit colour), marks hidden
  Html,  // a standalone page looking like the pane
  Json,  // {"pane", "text", "runs"}: the text and its style runs
};

// "raw", "ansi", "html" or "json"; nothing for any other name.
std::optional<ExportFormat> ParseExportFormat(QStringView name);

QString ExportRaw(const ReportText& report);
// Each run starts with its colour and weight; a character painted white (a
// hidden mark) prints as a space, since a terminal background is not white.
// Control characters other than line feed and tab print as U+FFFD, so text
// read from a file cannot drive the terminal.
QString ExportAnsi(const ReportText& report);
// [start, start + length) of a report (clipped) with every hidden mark (a
// character painted white) turned into a space; line breaks and the colours
// of the rest stay. Whatever leaves the program as a document is made from
// this, so text copied out of it carries no stray mark.
ReportText BlankHiddenMarks(const ReportText& report, int start, int length);

// A complete page: the text in a <pre> in a bold monospace font on white, one
// <span> per run, text escaped (control characters as in ExportAnsi), hidden
// marks as spaces. `title` names the page.
QString ExportHtml(const ReportText& report, const QString& title);
// {"pane": N, "text": ..., "runs": [{"start", "length", "color": [r, g, b], "bold"}]}:
// offsets count the UTF-16 characters of the LF text; the runs cover the whole
// text and no two neighbours share a style.
QString ExportJson(const ReportText& report, int pane);

// A part of a report for the clipboard, [start, start + length) of its text
// (clipped): the plain text with LF line breaks and an HTML fragment with its
// colours. A hidden mark (painted white) becomes a space in both, so the
// columns stay aligned wherever the copy is pasted.
struct ReportCopy {
  QString plain;
  QString html;
};
ReportCopy CopyReport(const ReportText& report, int start, int length);

// The report of `pane` in `format`; `title` is used by the HTML page only.
QString ExportReport(const ReportText& report, int pane, ExportFormat format, const QString& title);

}  // namespace tombolix
