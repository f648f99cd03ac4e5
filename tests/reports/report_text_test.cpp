#include "reports/report_text.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);

TEST(ReportText, StylesAreClippedToTheText) {
  ReportText report(QStringLiteral("abcd"));
  report.SetColour(-2, 3, kRed);  // only "a"
  report.SetStyle(3, 10, CharStyle{kWhite, true});
  report.SetColour(9, 2, kRed);
  report.SetColour(2, 0, kRed);
  EXPECT_EQ(report.Runs(), (std::vector<StyleRun>{
                               {0, 1, CharStyle{kRed, false}}, {1, 2, CharStyle{}}, {3, 1, CharStyle{kWhite, true}}}));
  // A window of runs is re-based on its start.
  EXPECT_EQ(report.Runs(1, 3), (std::vector<StyleRun>{{0, 2, CharStyle{}}, {2, 1, CharStyle{kWhite, true}}}));
}

TEST(ReportText, ChangeTrackingForTheView) {
  ReportText report(QStringLiteral("abc"));
  const quint64 first = report.Generation();
  report.Append(u"def");
  EXPECT_EQ(report.Generation(), first);  // appending never forces a full redraw
  report.MarkDrawn();
  EXPECT_EQ(report.DirtyStyleFrom(), 6);
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
  EXPECT_EQ(lf.runs, (std::vector<StyleRun>{{0, 3, CharStyle{}}, {3, 1, CharStyle{kRed, false}}, {4, 2, CharStyle{}}}));
}

}  // namespace
}  // namespace tombolix
