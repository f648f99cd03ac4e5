#include "ui/report_pane_view.h"
#include "reports/report_text.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// The format of the character at `position` of paragraph `block`; empty means the pane's dark grey.
QTextCharFormat FormatAt(const ReportPaneView& pane, int block, int position) {
  const QTextBlock b = pane.document()->findBlockByNumber(block);
  for (const QTextLayout::FormatRange& range : b.layout()->formats()) {
    if (position >= range.start && position < range.start + range.length) return range.format;
  }
  return QTextCharFormat();
}

QColor ColourAt(const ReportPaneView& pane, int block, int position) {
  const QTextCharFormat format = FormatAt(pane, block, position);
  return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                          : pane.palette().color(QPalette::Text);
}

TEST(ReportPaneViewTest, LineBreaksBecomeParagraphsAndStylesBecomeFormats) {
  ReportText report(QStringLiteral("Titulo\r\n   07%  12#\r\na\rb\nc"));
  report.SetColour(3 + 8, 2, kRed);                   // "07"
  report.SetColour(5 + 8, 1, kWhite);                 // its mark
  report.SetStyle(8 + 8, 2, CharStyle{kBlue, true});  // "12", bold
  ReportPaneView pane;
  pane.Draw(report);

  EXPECT_EQ(pane.toPlainText(), QStringLiteral("Titulo\n   07%  12#\na\nb\nc"));
  EXPECT_EQ(ColourAt(pane, 0, 0), QColor(64, 64, 64));
  EXPECT_EQ(ColourAt(pane, 1, 4), QColor(255, 0, 0));
  EXPECT_EQ(ColourAt(pane, 1, 5), QColor(255, 255, 255)) << "the mark is painted white";
  EXPECT_EQ(ColourAt(pane, 1, 8), QColor(0, 0, 255));
  EXPECT_EQ(FormatAt(pane, 1, 8).fontWeight(), QFont::Bold);
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
