#include "reports/colour_marks.h"

#include "analyses/analysis_fixtures.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tombolix {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGrey = MakeRgb(128, 128, 128);

// Counting hooks that run `onStep` at every step.
class CallbackHooks : public test::CountingHooks {
 public:
  void Step() override {
    CountingHooks::Step();
    onStep();
  }
  std::function<void()> onStep;
};

// One letter per character: '.' the default, w white, r red, b blue, g grey;
// upper case when bold ('*' for an untouched bold character).
std::string Paint(const ReportText& report) {
  const std::pair<Rgb, char> letters[] = {
      {kDefaultTextColour, '.'}, {kWhite, 'w'}, {kRed, 'r'}, {kBlue, 'b'}, {kGrey, 'g'}};
  std::string out;
  for (int i = 0; i < report.Length(); ++i) {
    const CharStyle s = report.StyleAt(i);
    char c = '?';
    for (const auto& [rgb, letter] : letters) {
      if (rgb == s.colour) c = letter;
    }
    out += !s.bold ? c : c == '.' ? '*' : static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string Dots(int n) { return std::string(static_cast<size_t>(n), '.'); }

// Each item is painted and its mark hidden in white; a mark needs two
// characters in front of it; marks inside a draw's date are skipped. The
// caret always ends at 0.
TEST(ColourMarks, PaintsItemsHidesMarksAndSkipsDates) {
  struct Case {
    QString text;
    char16_t mark;
    Rgb colour;
    std::string paint;
    int steps;
  };
  const Case cases[] = {
      {QStringLiteral("07% -->  3\r\n12# -->  1\r\n33% -->  0"), u'%', kRed,
       "rrw" + Dots(7) + ".." + Dots(10) + ".." + "rrw" + Dots(7), 2},
      {QStringLiteral("%a%bc%"), u'%', kRed, "rrwrrw", 2},
      {QStringLiteral("2023-01-07   05-12+\r\n"
                      "1-2-23       01-02-\r\n"  // a short date padded with spaces
                      "09-10-11-12-\r\n"),       // no date column: every "-" is a mark
       u'-', kBlue, Dots(13) + "bbw..." + ".." + Dots(13) + "bbwbbw" + ".." + "bbwbbwbbwbbw" + "..", 7},
      {QStringLiteral("2023-01-07   05&12&\r\n"), u'+', kBlue, Dots(21), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    ReportText report(c.text);
    report.SetCaret(5);
    test::CountingHooks hooks;
    ColourMarks(report, QChar(c.mark), c.colour, false, hooks);
    EXPECT_EQ(Paint(report), c.paint);
    EXPECT_EQ(hooks.steps, c.steps);
    EXPECT_EQ(report.Caret(), 0);
  }
}

TEST(ColourMarks, AStopRequestOrANewTextWhileYieldingEndsThePass) {
  ReportText report(QStringLiteral("01%02%03%04%05%"));
  report.SetCaret(4);
  test::StopAfterHooks hooks(2);
  ColourMarks(report, QLatin1Char('%'), kRed, false, hooks);
  EXPECT_EQ(Paint(report), "rrwrrw" + Dots(9));
  EXPECT_EQ(report.Caret(), 0);

  ReportText replaced(QStringLiteral("01%02%03%04%05%"));
  CallbackHooks replacing;
  replacing.onStep = [&] {
    if (replacing.steps == 2) replaced.SetText(QStringLiteral(" "));
  };
  ColourMarks(replaced, QLatin1Char('%'), kRed, false, replacing);
  EXPECT_EQ(Paint(replaced), ".");
  EXPECT_EQ(replacing.steps, 2);
}

// Labels up to the position count, each searched from the previous one: a
// missing label is skipped, one before the previous is not found.
TEST(ColourLabels, UpToThePositionCountEachSearchedFromThePreviousOne) {
  struct Case {
    QString text;
    int count;
    std::string paint;
  };
  const Case cases[] = {{QStringLiteral("B1\r\nB2\r\nB3"), 2, "gg..gg...."},
                        {QStringLiteral("B1 B3 B1"), 3, "gg.gg..."},
                        {QStringLiteral("B2 B1"), 2, "...gg"}};
  for (const auto& [text, count, paint] : cases) {
    ReportText report(text);
    report.SetCaret(3);
    ColourLabels(report, count, NoHooks());
    EXPECT_EQ(Paint(report), paint) << text.toStdString();
    EXPECT_EQ(report.Caret(), 0);
  }
}

TEST(ColourPasses, ProgressByGroupsAndAStopAtAnyPass) {
  // Six passes from 98 %: groups of two show 98, 99 and 100 (the last).
  constexpr MarkPass kSix[]{{QChar(u'a'), kRed},  {QChar(u'b'), kRed}, {QChar(u'c'), kRed},
                            {QChar(u'd'), kBlue}, {QChar(u'e'), kRed}, {QChar(u'f'), kRed}};
  const QString text = QStringLiteral("01a02b03c04d05e06f");
  ReportText whole(text);
  test::CountingHooks free;
  EXPECT_EQ(ColourPasses(whole, {kSix, BoldRule::None, 98}, 1, free), AnalysisOutcome::Done);
  EXPECT_EQ(free.progress, (std::vector<int>{98, 99, 100}));
  EXPECT_EQ(free.lastFlags, (std::vector<bool>{false, false, true}));
  // A stop before or during any pass, the last one included, leaves the report
  // part-coloured and the outcome says so.
  for (int stopAfter = 0; stopAfter <= 6; ++stopAfter) {
    ReportText part(text);
    test::StopAfterHooks stopping(stopAfter);
    EXPECT_EQ(ColourPasses(part, {kSix, BoldRule::None, -1}, 1, stopping), AnalysisOutcome::Stopped) << stopAfter;
    EXPECT_EQ(stopping.steps, stopAfter);
    EXPECT_TRUE(stopping.progress.empty());
  }
}

}  // namespace
}  // namespace tombolix
