#include "app/tickets_flow.h"

#include "history/loader.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// The shape the player confirmed is remembered per lottery, and given up when
// the lottery's history no longer fits it.
TEST(TicketsFlow, RemembersTheConfirmedShapePerLottery) {
  test::TempFolder folder;
  TicketsRequest request;
  request.history =
      ParseHistory(QByteArrayLiteral("01/01/2020,1,2,3,4,5,6,7\r\n02/01/2020,8,12,23,34,45,46,2\r\n")).history;
  request.lottery = QStringLiteral("Loto/Semanal");
  request.programFolder = folder.Path();
  const TicketsOptions guessed = TicketsOptionsFor(request);
  TicketsOptions confirmed = guessed;
  confirmed.shape = {GameKind::Pool, 6, 1, 49, 1, 1, 49, true};
  confirmed.rule = MatchRule::InPosition;
  confirmed.threshold = 4;
  ASSERT_NE(confirmed.shape, guessed.shape);
  RememberTicketsOptions(request, confirmed);
  const TicketsOptions again = TicketsOptionsFor(request);
  EXPECT_EQ(again.shape, confirmed.shape);
  EXPECT_EQ(again.rule, MatchRule::InPosition);
  EXPECT_EQ(again.threshold, 4);

  TicketsRequest other = request;
  other.lottery = QStringLiteral("Loto\\Semanal");
  EXPECT_EQ(TicketsOptionsFor(other).shape, guessed.shape);
  TicketsRequest shorter = request;
  shorter.history = ParseHistory(QByteArrayLiteral("01/01/2020,1,2,3,4,5,6\r\n")).history;
  EXPECT_EQ(TicketsOptionsFor(shorter).shape.mainCount + TicketsOptionsFor(shorter).shape.extraCount, 6);

  confirmed.threshold = 7;
  EXPECT_FALSE(RunTicketsCheck(request, confirmed, u"1 2 3 4 5 6").problem.isEmpty());
  confirmed.threshold = 3;
  const TicketsRun run = RunTicketsCheck(request, confirmed, u"1 2 3 4 5 6\nuno\n");
  EXPECT_TRUE(run.problem.isEmpty());
  EXPECT_EQ(run.outcome.checked, 1);
  EXPECT_EQ(run.outcome.errors.size(), 1);
}

}  // namespace
}  // namespace tombolix
