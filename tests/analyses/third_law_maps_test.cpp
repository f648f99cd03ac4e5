#include "analyses/third_law_maps.h"
#include "analyses/ley_del_tercio.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

TEST(ThirdLawMapTest, NumbersTakeTheClassOfTheGroupTheyAreListedUnder) {
  const std::vector<quint8> three{102, 7, 9, 101, 3, 100, 5, 0};
  const std::vector<quint8> oneClass{100, 4, 0, 0};  // a listed 0 counts; the spare 0 is never read
  const std::vector<quint8> upperOnly{102, 5, 0};
  const struct {
    const std::vector<quint8>& groups;
    quint8 x;
    QChar mark;
  } cases[] = {
      {three, 7, u'%'},    {three, 9, u'%'},    {three, 3, u'$'},    {three, 5, u'#'},     {three, 8, u'&'},
      {oneClass, 4, u'#'}, {oneClass, 0, u'#'}, {oneClass, 1, u'&'}, {upperOnly, 0, u'&'}, {upperOnly, 5, u'%'},
  };
  for (const auto& c : cases) EXPECT_EQ(ThirdLawMark(c.groups, c.x), c.mark) << int{c.x};
  // An array with nothing but the spare leaves the position out.
  EXPECT_TRUE(ThirdLawMark(std::vector<quint8>{0}, 0).isNull());
  EXPECT_TRUE(ThirdLawMark(std::vector<quint8>{}, 0).isNull());
}

QString Row(int d, const char* marks) { return test::DrawDateText(d) + QStringLiteral("   ") + QLatin1String(marks); }

// Position 1 reads 1, 2, 3, 1, 1 before draw 6: candidates [1, 3, 2] over the last three draws
// (3, 1, 1): 1 twice ("%"), 3 once ("$"), 2 never ("#"); draw 6 brings 2. Before draw 7 the last
// three draws are 1, 1, 2 and draw 7 brings 1. Position 2 always held 5: one candidate seen once
// in its one-draw window.
TEST(ThirdLawMapTest, ReplayClassesEachDrawByTheDrawsBeforeIt) {
  const History h = test::MakeHistory(2, {{1, 5}, {2, 5}, {3, 5}, {1, 5}, {1, 5}, {2, 5}, {1, 6, 5}});
  AnalysisArrays arrays;
  ReportText report;
  EXPECT_EQ(ThirdLawMapM1(h, 2, arrays, report, NoHooks()), AnalysisOutcome::Done);
  // 6 was never a candidate; the extra 5 is no number.
  EXPECT_EQ(arrays.ThirdLawMapRows, (QStringList{Row(6, "02#05$"), Row(7, "01%06&")}));
  EXPECT_EQ(arrays.ReplayStart, 5);
  // The arrays left are those of the last replayed step (draws 1..6).
  EXPECT_EQ(arrays.ThirdLawArrays[1], (std::vector<quint8>{102, 1, 101, 2, 100, 3, 0}));
  EXPECT_EQ(arrays.ThirdLawArrays[2], (std::vector<quint8>{101, 5, 0}));
}

TEST(ThirdLawMapTest, MapM2BeforeAnyMapM1WritesNothing) {
  AnalysisArrays arrays;
  ReportText none;
  ThirdLawMapM2(arrays, 3, none, NoHooks());
  EXPECT_TRUE(none.Text().isEmpty());
}

}  // namespace
}  // namespace tombolix
