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

// The colour the pane gives the character at `position` of paragraph `block`:
// its format's, or the pane's own text colour.
QColor ColourAt(const ReportPaneView& pane, int block, int position) {
  const QTextBlock b = pane.document()->findBlockByNumber(block);
  for (const QTextLayout::FormatRange& range : b.layout()->formats()) {
    if (position >= range.start && position < range.start + range.length) return range.format.foreground().color();
  }
  return pane.palette().color(QPalette::Text);
}

bool BoldAt(const ReportPaneView& pane, int block, int position) {
  const QTextBlock b = pane.document()->findBlockByNumber(block);
  for (const QTextLayout::FormatRange& range : b.layout()->formats()) {
    if (position >= range.start && position < range.start + range.length) {
      return range.format.fontWeight() == QFont::Bold;
    }
  }
  return false;
}

TEST(ReportPaneViewTest, LineBreaksBecomeParagraphsAndStylesBecomeFormats) {
  ReportText report(QStringLiteral("Titulo\r\n   07%  12#\r\n"));
  report.SetColour(3 + 8, 2, kRed);                   // "07"
  report.SetColour(5 + 8, 1, kWhite);                 // its mark
  report.SetStyle(8 + 8, 2, CharStyle{kBlue, true});  // "12", bold
  ReportPaneView pane;
  pane.Draw(report);

  EXPECT_EQ(pane.toPlainText(), QStringLiteral("Titulo\n   07%  12#\n"));
  EXPECT_EQ(pane.document()->blockCount(), 3);
  EXPECT_EQ(ColourAt(pane, 0, 0), QColor(64, 64, 64));
  EXPECT_EQ(ColourAt(pane, 1, 3), QColor(255, 0, 0));
  EXPECT_EQ(ColourAt(pane, 1, 4), QColor(255, 0, 0));
  EXPECT_EQ(ColourAt(pane, 1, 5), QColor(255, 255, 255)) << "the mark is painted white";
  EXPECT_EQ(ColourAt(pane, 1, 8), QColor(0, 0, 255));
  EXPECT_TRUE(BoldAt(pane, 1, 8));
  EXPECT_EQ(report.DirtyStyleFrom(), report.Length()) << "the report is marked drawn";
}

TEST(ReportPaneViewTest, LoneCarriageReturnsAndLineFeedsAlsoBreakLines) {
  ReportText report(QStringLiteral("a\rb\nc\r\n\r\nd"));
  ReportPaneView pane;
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("a\nb\nc\n\nd"));
  // Character offsets map across breaks of one and two characters.
  EXPECT_EQ(pane.DocumentPosition(2), 2);   // "b"
  EXPECT_EQ(pane.DocumentPosition(4), 4);   // "c"
  EXPECT_EQ(pane.DocumentPosition(9), 7);   // "d"
  EXPECT_EQ(pane.DocumentPosition(99), 8);  // beyond the end: the end
}

TEST(ReportPaneViewTest, AppendingDrawsOnlyTheNewText) {
  ReportText report(QStringLiteral("01%\r\n"));
  report.SetColour(0, 2, kRed);
  ReportPaneView pane;
  pane.Draw(report);
  pane.document()->firstBlock().setUserState(42);  // lost if the text were drawn again from scratch

  report.Append(QStringLiteral("02#\r\n03"));
  report.SetColour(5, 2, kBlue);
  pane.Draw(report);

  EXPECT_EQ(pane.toPlainText(), QStringLiteral("01%\n02#\n03"));
  EXPECT_EQ(pane.document()->firstBlock().userState(), 42);
  EXPECT_EQ(pane.Counts().fullDraws, 1);
  EXPECT_EQ(pane.Counts().appends, 1);
  EXPECT_EQ(ColourAt(pane, 0, 0), QColor(255, 0, 0));
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(0, 0, 255));

  // Text appended to an unfinished line extends that line and takes its colours.
  report.Append(QStringLiteral("%"));
  report.SetColour(10, 2, kRed);
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("01%\n02#\n03%"));
  EXPECT_EQ(ColourAt(pane, 2, 1), QColor(255, 0, 0));
  EXPECT_EQ(pane.Counts().fullDraws, 1);
}

TEST(ReportPaneViewTest, LineBreakSplitBetweenTwoDrawsGivesOneParagraph) {
  ReportText report(QStringLiteral("AB\r"));
  ReportPaneView pane;
  pane.Draw(report);
  report.Append(QStringLiteral("\nCD"));
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("AB\nCD"));
  EXPECT_EQ(pane.DocumentPosition(4), 3);  // "C"
}

TEST(ReportPaneViewTest, RestylingRedrawsFormatsWithoutTheText) {
  ReportText report(QStringLiteral("11$ 22$\r\n33$\r\n"));
  ReportPaneView pane;
  pane.Draw(report);
  report.SetColour(9, 2, MakeRgb(0, 192, 0));  // "33"
  pane.Draw(report);
  EXPECT_EQ(pane.Counts().fullDraws, 1);
  EXPECT_EQ(pane.Counts().restyles, 1);
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(0, 192, 0));
  EXPECT_EQ(ColourAt(pane, 0, 0), QColor(64, 64, 64));

  // Back to the plain colour: the old format must go.
  report.SetColour(9, 2, kDefaultTextColour);
  pane.Draw(report);
  EXPECT_EQ(ColourAt(pane, 1, 0), QColor(64, 64, 64));
  EXPECT_EQ(pane.Counts().restyles, 2);

  pane.Draw(report);  // nothing changed: nothing is done
  EXPECT_EQ(pane.Counts().restyles, 2);
  EXPECT_EQ(pane.Counts().appends, 0);
}

TEST(ReportPaneViewTest, ReplacedTextIsDrawnFromScratch) {
  ReportText report(QStringLiteral("primero\r\nsegundo"));
  ReportPaneView pane;
  pane.Draw(report);
  report.SetText(QStringLiteral("otro"));
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("otro"));
  report.Prepend(QStringLiteral("nuevo\r\n"));
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("nuevo\notro"));
  EXPECT_EQ(pane.Counts().fullDraws, 3);
  report.Clear();
  pane.Draw(report);
  EXPECT_EQ(pane.toPlainText(), QString());
}

TEST(ReportPaneViewTest, CaretMovesTheCursorOnlyWhenTheReportMovesIt) {
  QString text;
  for (int i = 0; i < 200; ++i) text += QStringLiteral("linea %1\r\n").arg(i, 3, 10, QLatin1Char('0'));
  ReportText report(text);
  ReportPaneView pane;
  pane.resize(300, 200);
  pane.Draw(report);
  EXPECT_EQ(pane.textCursor().position(), 0);

  const int line150 = static_cast<int>(text.indexOf(QStringLiteral("linea 150")));
  report.SetCaret(line150);
  pane.Draw(report);
  EXPECT_EQ(pane.textCursor().position(), pane.DocumentPosition(line150));
  EXPECT_EQ(pane.DocumentPosition(line150), 150 * 10);

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
