#pragma once

#include "reports/report_text.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

#include <memory>

class QTextDocument;
class QWidget;

namespace tombolix {

// What the context menu of a report pane does with its report. Everything is
// made from the report model, as the report tool's exports are, so the window,
// the tool and the saved files agree. Files are written whole or not at all.

// Puts [start, start + length) of the report on the clipboard, as rich text
// with its colours and as plain text, hidden marks as spaces.
void CopyReportPart(const ReportText& report, int start, int length);

// Asks where to save and writes the report as a standalone HTML page, or as a
// PDF; `suggestedName` is the file name offered. A failure is told in a box.
void SaveReportAsHtml(QWidget* parent, const ReportText& report, const QString& title, const QString& suggestedName);
void SaveReportAsPdf(QWidget* parent, const ReportText& report, const QString& title, const QString& suggestedName);

// Shows a print preview whose Print button opens the print dialog; without a
// printer installed it says so and offers nothing to print to.
void PrintReport(QWidget* parent, const ReportText& report, const QString& title);

// A paged document of the report, as printed and saved as PDF: the title
// heading it, then its text and colours (hidden marks as spaces) in the pane's
// bold monospace font, at a size that keeps the widest line within `pageWidthPt`.
std::unique_ptr<QTextDocument> ReportDocument(const ReportText& report, const QString& title, qreal pageWidthPt);

// The PDF bytes of a report: A4, the report's font at a size that keeps its
// columns on the page. Empty when the PDF could not be made.
QByteArray ReportPdf(const ReportText& report, const QString& title);

// Asks where to save, offering `suggestedName` in the user's `location` folder;
// empty when the user cancels.
QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                    QStandardPaths::StandardLocation location);
// Writes `bytes` whole to `path`, or nothing, and tells the user in a box when
// it could not. Empty bytes mean the file could not be made: `unprepared` says
// so. An empty path (a cancelled question) does nothing.
void SaveOrTell(QWidget* parent, const QString& path, const QByteArray& bytes, const QString& unprepared);

}  // namespace tombolix
