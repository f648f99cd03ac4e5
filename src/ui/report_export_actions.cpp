#include "ui/report_export_actions.h"

#include "files/file_io.h"
#include "reports/report_export.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace tombolix {

namespace {

const QString kUnpreparedDocument = QStringLiteral("no se pudo preparar el documento");

// The widest line of the report, in characters.
int WidestLine(const QString& text) {
  int widest = 0;
  for (const QStringView line : QStringView(text).split(u'\n'))
    widest = std::max(widest, static_cast<int>(line.size()));
  return widest;
}

}  // namespace

std::unique_ptr<QTextDocument> ReportDocument(const ReportText& report, const QString& title, qreal pageWidthPt) {
  const LfReport lf = ToLfReport(BlankHiddenMarks(report, 0, report.Length()));
  auto doc = std::make_unique<QTextDocument>();
  doc->setMetaInformation(QTextDocument::DocumentTitle, title);
  // Courier's characters are 0.6 em wide; 10 pt unless the columns need less.
  const qreal size = std::clamp(pageWidthPt / (0.6 * std::max(WidestLine(lf.text), 1)), 5.0, 10.0);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(size);
  font.setBold(true);
  doc->setDefaultFont(font);
  QTextCursor cursor(doc.get());
  cursor.beginEditBlock();
  // The report's name heads the first page.
  QTextCharFormat heading;
  heading.setFontPointSize(size + 2);
  heading.setFontWeight(QFont::Bold);
  cursor.insertText(title + QStringLiteral("\n\n"), heading);
  for (const StyleRun& run : lf.runs) {
    QTextCharFormat format;
    format.setForeground(QColor(RedOf(run.style.colour), GreenOf(run.style.colour), BlueOf(run.style.colour)));
    format.setFontWeight(QFont::Bold);
    cursor.insertText(lf.text.mid(run.start, run.length), format);
  }
  cursor.endEditBlock();
  return doc;
}

QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                    QStandardPaths::StandardLocation location) {
  const QString folder = QStandardPaths::writableLocation(location);
  return QFileDialog::getSaveFileName(parent, caption, QDir(folder).filePath(suggestedName), filter);
}

void SaveOrTell(QWidget* parent, const QString& path, const QByteArray& bytes, const QString& unprepared) {
  if (path.isEmpty()) return;
  const QString error = bytes.isEmpty() ? QStringLiteral("No se pudo guardar «%1»: %2.\nNo se ha escrito nada.")
                                              .arg(QDir::toNativeSeparators(path), unprepared)
                                        : WriteWhole(path, bytes, WriteMode::Replace);
  if (error.isEmpty()) return;
  QMessageBox::warning(parent, QStringLiteral("Tombolix - No se pudo guardar"), error);
}

void CopyReportPart(const ReportText& report, int start, int length) {
  const ReportCopy copy = CopyReport(report, start, length);
  auto* data = new QMimeData;
  data->setText(copy.plain);
  data->setHtml(copy.html);
  QApplication::clipboard()->setMimeData(data);
}

QByteArray ReportPdf(const ReportText& report, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tombolix"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    const qreal widthPt = writer.pageLayout().paintRect(QPageLayout::Point).width();
    ReportDocument(report, title, widthPt)->print(&writer);
  }
  return bytes;
}

void SaveReportAsHtml(QWidget* parent, const ReportText& report, const QString& title, const QString& suggestedName) {
  const QString path = AskSavePath(parent, QStringLiteral("Guardar como HTML"), suggestedName,
                                   QStringLiteral("Páginas web (*.html *.htm)"), QStandardPaths::DocumentsLocation);
  SaveOrTell(parent, path, ExportHtml(report, title).toUtf8(), kUnpreparedDocument);
}

void SaveReportAsPdf(QWidget* parent, const ReportText& report, const QString& title, const QString& suggestedName) {
  const QString path = AskSavePath(parent, QStringLiteral("Guardar como PDF"), suggestedName,
                                   QStringLiteral("Documentos PDF (*.pdf)"), QStandardPaths::DocumentsLocation);
  if (path.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QByteArray pdf = ReportPdf(report, title);
  QApplication::restoreOverrideCursor();
  SaveOrTell(parent, path, pdf, kUnpreparedDocument);
}

void PrintReport(QWidget* parent, const ReportText& report, const QString& title) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QMessageBox::information(parent, QStringLiteral("Tombolix - Imprimir"),
                             QStringLiteral("No hay ninguna impresora instalada.\n"
                                            "Puede guardar el informe con «Guardar como PDF…» e imprimirlo después."));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(title);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&report, &title](QPrinter* target) {
    const qreal widthPt = target->pageLayout().paintRect(QPageLayout::Point).width();
    ReportDocument(report, title, widthPt)->print(target);
  });
  preview.exec();
}

}  // namespace tombolix
