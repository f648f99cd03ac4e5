#include "ui/report_export_actions.h"
#include "ui/report_pane_view.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// A selection in the pane maps back to the report offsets it shows, on both
// sides of every CR LF, so a copy takes exactly the selected characters.
TEST(ReportExportActions, SelectionMapsBackToReportOffsets) {
  ReportText report(QStringLiteral("B1\r\n07% -->  3\r\n\r\n12# -->  1"));
  ReportPaneView pane;
  pane.Draw(report);
  for (int offset = 0; offset <= report.Length(); ++offset) {
    if (offset > 0 && report.Text().at(offset - 1) == u'\r') continue;  // inside a CR LF
    EXPECT_EQ(pane.ReportOffset(pane.DocumentPosition(offset)), offset) << offset;
  }
}

// The document printed and saved as PDF shows the hidden marks as spaces.
TEST(ReportExportActions, ExportDocumentHasNoMarkCharacter) {
  ReportText report(QStringLiteral("07% -->  3\r\n12# -->  1\r\n33$ -->  2\r\n"));
  for (int mark : {2, 14, 26}) report.SetColour(mark, 1, kWhite);
  const QString text = ReportDocument(report, QStringLiteral("Tombolix - Frecuencia"), 500)->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("07  -->  3\n12  -->  1\n33  -->  2")));
  for (QChar mark : {u'%', u'#', u'$'}) EXPECT_FALSE(text.contains(mark)) << int{mark.unicode()};
}

TEST(ReportExportActions, PdfOfALongReport) {
  QString text;
  for (int i = 0; i < 2000; ++i) text += QStringLiteral("%1% -->  %2\r\n").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i);
  ReportText report(text);
  report.SetColour(0, 2, MakeRgb(255, 0, 0));
  const QByteArray pdf = ReportPdf(report, QStringLiteral("Tombolix - Frecuencia"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_GT(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 10);
}

}  // namespace
}  // namespace tombolix
