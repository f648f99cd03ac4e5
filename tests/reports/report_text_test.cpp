#include "reports/report_text.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);

TEST(ReportText, NewTextTakesTheDefaultStyle) {
  ReportText report(QStringLiteral(" "));
  EXPECT_TRUE(report.IsEmptyMarker());
  report.SetDefaultStyle(CharStyle{kRed, true});
  report.Clear();
  EXPECT_FALSE(report.IsEmptyMarker());
  report.Append(QStringLiteral("ab"));
  report.Append(QLatin1Char('c'));
  report.Append("de");
  ASSERT_EQ(report.Length(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(report.StyleAt(i), (CharStyle{kRed, true}));
  report.Prepend(u"xy");
  EXPECT_EQ(report.Text(), QStringLiteral("xyabcde"));
  EXPECT_EQ(report.StyleAt(0), (CharStyle{kRed, true}));
}

TEST(ReportText, StylesAreClippedToTheText) {
  ReportText report(QStringLiteral("abcd"));
  report.SetColour(-2, 3, kRed);  // only "a"
  report.SetStyle(3, 10, CharStyle{kWhite, true});
  report.SetColour(9, 2, kRed);
  report.SetColour(2, 0, kRed);
  const std::vector<StyleRun> runs = report.Runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0], (StyleRun{0, 1, CharStyle{kRed, false}}));
  EXPECT_EQ(runs[1], (StyleRun{1, 2, CharStyle{}}));
  EXPECT_EQ(runs[2], (StyleRun{3, 1, CharStyle{kWhite, true}}));
  // A window of runs is re-based on its start.
  const std::vector<StyleRun> window = report.Runs(1, 3);
  ASSERT_EQ(window.size(), 2u);
  EXPECT_EQ(window[0], (StyleRun{0, 2, CharStyle{}}));
  EXPECT_EQ(window[1], (StyleRun{2, 1, CharStyle{kWhite, true}}));
}

TEST(ReportText, ChangeTrackingForTheView) {
  ReportText report(QStringLiteral("abc"));
  const quint64 first = report.Generation();
  report.MarkDrawn();
  EXPECT_EQ(report.DirtyStyleFrom(), 3);
  report.Append(u"def");
  EXPECT_EQ(report.Generation(), first);  // appending never forces a full redraw
  report.MarkDrawn();
  EXPECT_EQ(report.DirtyStyleFrom(), 6);
  report.SetColour(4, 1, kRed);
  EXPECT_EQ(report.DirtyStyleFrom(), 4);
  report.SetColour(1, 1, kRed);
  EXPECT_EQ(report.DirtyStyleFrom(), 1);
  report.SetText(QStringLiteral("x"));
  EXPECT_NE(report.Generation(), first);
  EXPECT_EQ(report.Caret(), 0);
}

TEST(ToLfReport, DropsOnlyTheCrOfCrLf) {
  ReportText report(QStringLiteral("a\r\nb\rc\r\n"));
  report.SetColour(4, 1, kRed);  // the lone CR
  const LfReport lf = ToLfReport(report);
  EXPECT_EQ(lf.text, QStringLiteral("a\nb\rc\n"));
  ASSERT_EQ(lf.runs.size(), 3u);
  EXPECT_EQ(lf.runs[1], (StyleRun{3, 1, CharStyle{kRed, false}}));
  EXPECT_TRUE(ToLfReport(ReportText()).runs.empty());
}

}  // namespace
}  // namespace tombolix
