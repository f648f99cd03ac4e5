#include "ui/report_pane_view.h"
#include "reports/report_text.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// Scrolls paragraph `block` to the top of the pane and paints the pane: a
// paragraph gets its formats when it is shown.
QTextBlock ShowParagraph(ReportPaneView& pane, int block) {
  const QTextBlock b = pane.document()->findBlockByNumber(block);
  if (!pane.isVisible()) {
    pane.show();
    QCoreApplication::processEvents();  // the window is exposed: it can be painted
  }
  pane.verticalScrollBar()->setValue(b.firstLineNumber());
  pane.viewport()->repaint();
  return b;
}

// The format of the character at `position` of a paragraph, as drawn; empty
// means the pane's dark grey.
QTextCharFormat FormatIn(const QTextBlock& block, int position) {
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (position >= range.start && position < range.start + range.length) return range.format;
  }
  return QTextCharFormat();
}

QTextCharFormat FormatAt(ReportPaneView& pane, int block, int position) {
  return FormatIn(ShowParagraph(pane, block), position);
}

QColor ColourOf(const QTextCharFormat& format, const ReportPaneView& pane) {
  return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                          : pane.palette().color(QPalette::Text);
}

QColor ColourAt(ReportPaneView& pane, int block, int position) {
  return ColourOf(FormatAt(pane, block, position), pane);
}

TEST(ReportPaneViewTest, LineBreaksBecomeParagraphs) {
  ReportText report(QStringLiteral("Titulo\r\n   07%  12#\r\na\rb\nc"));
  ReportPaneView pane;
  pane.Draw(report);

  EXPECT_EQ(pane.toPlainText(), QStringLiteral("Titulo\n   07%  12#\na\nb\nc"));
  // Character offsets map across breaks of one and two characters.
  EXPECT_EQ(pane.DocumentPosition(21), 19);  // "a"
  EXPECT_EQ(pane.DocumentPosition(25), 23);  // "c"
  EXPECT_EQ(pane.DocumentPosition(99), 24);  // beyond the end: the end
  EXPECT_EQ(report.DirtyStyleFrom(), report.Length()) << "the report is marked drawn";
}

TEST(ReportPaneViewTest, AppendingDrawsOnlyTheNewTextEvenWhenALineBreakIsSplit) {
  ReportText report(QStringLiteral("01%\r"));
  report.SetColour(0, 2, kRed);
  ReportPaneView pane;
  pane.Draw(report);
  pane.document()->firstBlock().setUserState(42);  // lost if the text were drawn again from scratch

  report.Append(QStringLiteral("\n02#\r\n03"));
  report.SetColour(5, 2, kBlue);
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("01%\n02#\n03"));
  EXPECT_EQ(pane.document()->firstBlock().userState(), 42);
  EXPECT_EQ(ColourAt(pane, 0, 0), QColor(255, 0, 0));
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(0, 0, 255));

  // Text appended to an unfinished line extends that line and takes its colours.
  report.Append(QStringLiteral("%"));
  report.SetColour(10, 2, kRed);
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("01%\n02#\n03%"));
  EXPECT_EQ(ColourAt(pane, 2, 1), QColor(255, 0, 0));
  EXPECT_EQ(pane.Counts().fullDraws, 1);
  EXPECT_EQ(pane.Counts().appends, 2);
}

TEST(ReportPaneViewTest, RestylingRedrawsFormatsAndAReplacedTextIsDrawnFromScratch) {
  ReportText report(QStringLiteral("11$ 22$\r\n33$\r\n"));
  ReportPaneView pane;
  pane.Draw(report);
  report.SetColour(9, 2, MakeRgb(0, 192, 0));  // "33"
  pane.Draw(report);
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(0, 192, 0));
  report.SetColour(9, 2, kDefaultTextColour);  // back to plain: the old format must go
  pane.Draw(report);
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(64, 64, 64));
  pane.Draw(report);  // nothing changed: nothing is done
  EXPECT_EQ(pane.Counts().restyles, 2);
  EXPECT_EQ(pane.Counts().fullDraws, 1);

  report.SetText(QStringLiteral("otro"));
  pane.Draw(report);
  report.Prepend(QStringLiteral("nuevo\r\n"));
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("nuevo\notro"));
  EXPECT_EQ(pane.Counts().fullDraws, 3);
}

// Every paragraph of a long report shows the report's colours once it is in
// view, also a paragraph restyled while it was out of view after it had been
// shown.
TEST(ReportPaneViewTest, EveryParagraphShowsTheReportsStylesWhenScrolledIntoView) {
  constexpr int kLines = 120;
  constexpr int kLineLength = 9;  // "NN% NN#" and CR LF
  constexpr CharStyle kLineStyles[] = {{kRed, false}, {kBlue, true}, {MakeRgb(0, 192, 0), false}};
  QString text;
  for (int i = 0; i < kLines; ++i) {
    text +=
        QStringLiteral("%1% %2#\r\n").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i * 7 % 100, 2, 10, QLatin1Char('0'));
  }
  ReportText report(text);
  for (int i = 0; i < kLines; ++i) {
    report.SetStyle(i * kLineLength, 2, kLineStyles[i % 3]);
    report.SetColour(i * kLineLength + 2, 1, kWhite);
    report.SetStyle(i * kLineLength + 4, 2, kLineStyles[(i + 1) % 3]);
  }
  ReportPaneView pane;
  pane.resize(300, 200);
  const auto expectReportStyles = [&pane, &report] {
    for (int line = 0; line < kLines; ++line) {
      const QTextBlock block = ShowParagraph(pane, line);
      for (int at = 0; at < block.length() - 1; ++at) {
        const QTextCharFormat format = FormatIn(block, at);
        const CharStyle want = report.StyleAt(line * kLineLength + at);
        EXPECT_EQ(ColourOf(format, pane), QColor(RedOf(want.colour), GreenOf(want.colour), BlueOf(want.colour)))
            << line << ":" << at;
        EXPECT_EQ(format.fontWeight() == QFont::Bold, want.bold) << line << ":" << at;
      }
    }
  };
  pane.Draw(report);
  expectReportStyles();
  // The last lines, shown above, change colour while the pane shows the first.
  ShowParagraph(pane, 0);
  for (int i = kLines - 30; i < kLines; ++i) report.SetColour(i * kLineLength, 2, i % 2 ? kDefaultTextColour : kRed);
  pane.Draw(report);
  expectReportStyles();
}

TEST(ReportPaneViewTest, CaretMovesTheCursorOnlyWhenTheReportMovesIt) {
  QString text;
  for (int i = 0; i < 200; ++i) text += QStringLiteral("linea %1\r\n").arg(i, 3, 10, QLatin1Char('0'));
  ReportText report(text);
  ReportPaneView pane;
  pane.resize(300, 200);
  pane.Draw(report);
  report.SetCaret(150 * 11);  // "linea 150"
  pane.Draw(report);
  EXPECT_EQ(pane.textCursor().position(), 150 * 10);
  // The user moves the cursor; drawing an unchanged caret leaves it there.
  QTextCursor cursor = pane.textCursor();
  cursor.setPosition(5);
  pane.setTextCursor(cursor);
  report.Append(QStringLiteral("fin"));
  pane.Draw(report);
  EXPECT_EQ(pane.textCursor().position(), 5);
}

}  // namespace
}  // namespace tombolix
