#include "reports/colour_marks.h"

#include "reports/panes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kGreen = MakeRgb(0, 192, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGrey = MakeRgb(128, 128, 128);
constexpr Rgb kPink = MakeRgb(255, 128, 128);

// Counts the steps; asks to stop once `stopAfter` steps were taken.
class CountingHooks : public StepHooks {
 public:
  void Step() override {
    ++steps;
    if (onStep) onStep();
  }
  bool StopRequested() const override { return stopAfter >= 0 && steps >= stopAfter; }
  int steps = 0;
  int stopAfter = -1;
  std::function<void()> onStep;
};

// One letter per character: '.' untouched, w white, r red, n green, b blue,
// g grey, p pink; upper case when bold ('*' for an untouched bold character).
std::string Paint(const ReportText& report) {
  std::string out;
  for (int i = 0; i < report.Length(); ++i) {
    const CharStyle s = report.StyleAt(i);
    char c = '?';
    if (s.colour == kDefaultTextColour) c = '.';
    if (s.colour == kWhite) c = 'w';
    if (s.colour == kRed) c = 'r';
    if (s.colour == kGreen) c = 'n';
    if (s.colour == kBlue) c = 'b';
    if (s.colour == kGrey) c = 'g';
    if (s.colour == kPink) c = 'p';
    if (s.bold) c = c == '.' ? '*' : static_cast<char>(c - 'a' + 'A');
    out += c;
  }
  return out;
}

std::string Dots(int n) { return std::string(static_cast<size_t>(n), '.'); }

TEST(ColourMarks, PaintsEachItemAndHidesItsMark) {
  ReportText report(QStringLiteral("07% -->  3\r\n12# -->  1\r\n33% -->  0"));
  report.SetCaret(5);
  CountingHooks hooks;
  ColourMarks(report, QLatin1Char('%'), kRed, false, hooks);
  EXPECT_EQ(Paint(report), "rrw" + Dots(7) + ".." + Dots(10) + ".." + "rrw" + Dots(7));
  EXPECT_EQ(hooks.steps, 2);  // once per mark
  EXPECT_EQ(report.Caret(), 0);
}

TEST(ColourMarks, MarksRightAtTheStartOfTheText) {
  // A mark needs two characters in front of it: at 0 and 1 there is nothing to paint.
  ReportText report(QStringLiteral("%a%bc%"));
  CountingHooks hooks;
  ColourMarks(report, QLatin1Char('%'), kRed, false, hooks);
  EXPECT_EQ(Paint(report), "rrwrrw");  // the marks at 2 and 5; the one at 0 is painted as an item
  EXPECT_EQ(hooks.steps, 2);

  ReportText early(QStringLiteral("a%bc%"));
  ColourMarks(early, QLatin1Char('%'), kRed, false, NoHooks());
  EXPECT_EQ(Paint(early), "..rrw");
}

TEST(ColourMarks, MarksInsideTheDateOfADrawLineAreSkipped) {
  const QString text = QStringLiteral(
      "2023-01-07   05-12+\r\n"
      "2023-01-10   01-02-\r\n"
      "09-10-11-12-\r\n");  // no date column here: every "-" is a mark
  ReportText report(text);
  CountingHooks hooks;
  ColourMarks(report, QLatin1Char('-'), kBlue, false, hooks);
  EXPECT_EQ(Paint(report), Dots(13) + "bbw..." + ".." + Dots(13) + "bbwbbw" + ".." + "bbwbbwbbwbbw" + "..");
  EXPECT_EQ(hooks.steps, 7);
}

TEST(ColourMarks, ShortDatesPaddedWithSpacesStillFormADrawLine) {
  ReportText report(QStringLiteral("1-2-23       07-\r\n"));
  ColourMarks(report, QLatin1Char('-'), kBlue, false, NoHooks());
  EXPECT_EQ(Paint(report), Dots(13) + "bbw" + "..");
}

TEST(ColourMarks, BoldOnlyWhenAskedAndTheMarkKeepsItsWeight) {
  ReportText report(QStringLiteral("05+06&"));
  ColourMarks(report, QLatin1Char('+'), kBlue, true, NoHooks());
  ColourMarks(report, QLatin1Char('&'), kGrey, false, NoHooks());
  EXPECT_EQ(Paint(report), "BBwggw");
}

TEST(ColourMarks, APassWithoutItsMarkChangesNothingButTheCaret) {
  ReportText report(QStringLiteral("2023-01-07   05&12&\r\n"));
  report.SetCaret(9);
  CountingHooks hooks;
  ColourMarks(report, QLatin1Char('+'), kBlue, true, hooks);
  EXPECT_EQ(Paint(report), Dots(report.Length()));
  EXPECT_EQ(hooks.steps, 0);
  EXPECT_EQ(report.Caret(), 0);
}

TEST(ColourMarks, StopRequestEndsThePassEarly) {
  ReportText report(QStringLiteral("01%02%03%04%05%"));
  report.SetCaret(4);
  CountingHooks hooks;
  hooks.stopAfter = 2;
  ColourMarks(report, QLatin1Char('%'), kRed, false, hooks);
  EXPECT_EQ(Paint(report), "rrwrrw" + Dots(9));
  EXPECT_EQ(hooks.steps, 2);
  EXPECT_EQ(report.Caret(), 0);
}

TEST(ColourMarks, TextReplacedWhileYieldingEndsThePass) {
  ReportText report(QStringLiteral("01%02%03%04%05%"));
  CountingHooks hooks;
  hooks.onStep = [&] {
    if (hooks.steps == 2) report.SetText(QStringLiteral(" "));
  };
  ColourMarks(report, QLatin1Char('%'), kRed, false, hooks);
  EXPECT_EQ(report.Text(), QStringLiteral(" "));
  EXPECT_EQ(Paint(report), ".");
  EXPECT_EQ(hooks.steps, 2);
}

TEST(ColourLabels, LabelsUpToThePositionCountInOrder) {
  ReportText report(QStringLiteral("B1\r\n07% -->  3\r\nB2\r\nB3\r\nB4\r\n"));
  CountingHooks hooks;
  ColourLabels(report, 3, hooks);
  EXPECT_EQ(Paint(report), "gg.." + Dots(12) + "gg.." + "gg.." + "....");
  EXPECT_EQ(hooks.steps, 3);
  EXPECT_EQ(report.Caret(), 0);
}

TEST(ColourLabels, MissingAndOutOfOrderLabelsAreSkipped) {
  // B2 is missing; B3 is still searched from B1 on.
  ReportText missing(QStringLiteral("B1 B3"));
  ColourLabels(missing, 3, NoHooks());
  EXPECT_EQ(Paint(missing), "gg.gg");
  // B1 stands after B2: B2 is searched from B1 on and not found before the end.
  ReportText swapped(QStringLiteral("B2 B1"));
  ColourLabels(swapped, 2, NoHooks());
  EXPECT_EQ(Paint(swapped), "...gg");
  // A label repeated later: only the first one from the previous label on is coloured.
  ReportText repeated(QStringLiteral("B1 B2 B1 B2"));
  ColourLabels(repeated, 2, NoHooks());
  EXPECT_EQ(Paint(repeated), "gg.gg......");
}

TEST(ColourPane, PassOrderAndBoldRule) {
  // Pane 9: "&" grey, "+" blue and bold, "-" pink; the date's "-" stay as they are.
  ReportText repeated(QStringLiteral("2023-01-07   05&12+12-\r\n"));
  ColourPane(repeated, Pane::Repetidos, 3, NoHooks());
  EXPECT_EQ(Paint(repeated), Dots(13) + "ggwBBwppw" + "..");
  // Pane 1: both passes bold.
  ReportText hits(QStringLiteral("2023-01-07   05&12+\r\n"));
  ColourPane(hits, Pane::HistorialAciertos, 2, NoHooks());
  EXPECT_EQ(Paint(hits), Dots(13) + "GGwRRw" + "..");
  // Pane 14: "+" is not bold there.
  ReportText generator(QStringLiteral("  000001%    05+"));
  ColourPane(generator, Pane::GeneradorM1, 1, NoHooks());
  EXPECT_EQ(Paint(generator), Dots(13) + "ppw");
  // Pane 2: labels first, then the thirds.
  ReportText frequency(QStringLiteral("B1\r\n07% -->  3\r\n09# -->  1"));
  ColourPane(frequency, Pane::Frecuencia, 1, NoHooks());
  EXPECT_EQ(Paint(frequency), "gg.." + std::string("rrw") + Dots(7) + ".." + "bbw" + Dots(7));
  EXPECT_EQ(frequency.Caret(), 0);
}

TEST(ColourPane, PassTables) {
  EXPECT_EQ(PanePasses(Pane::PatronUltimoSorteo).size(), 15u);
  EXPECT_EQ(PanePasses(Pane::Start).size(), 15u);
  EXPECT_EQ(PanePasses(Pane::ResumenIA).size(), 10u);
  EXPECT_TRUE(PanePasses(-1).empty());
  EXPECT_TRUE(PanePasses(kPaneCount).empty());
  const std::vector<MarkPass> oddEven = PanePasses(Pane::ParesImparesM2);
  ASSERT_EQ(oddEven.size(), 2u);
  EXPECT_EQ(oddEven[0].mark, QLatin1Char('+'));
  EXPECT_EQ(oddEven[0].colour, kGreen);
  for (int pane = 0; pane < kPaneCount; ++pane) {
    const bool plusBold = pane == 1 || pane == 8 || pane == 9 || pane == 10 || pane == 16 || pane == 17 || pane == 18;
    EXPECT_EQ(PassIsBold(pane, QLatin1Char('+')), plusBold) << "pane " << pane;
    EXPECT_EQ(PassIsBold(pane, QLatin1Char('&')), pane == 1) << "pane " << pane;
  }
}

}  // namespace
}  // namespace tombolix
