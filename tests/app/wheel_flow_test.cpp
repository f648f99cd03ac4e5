#include "app/wheel_flow.h"
#include "app/window_model.h"
#include "history/loader.h"
#include "support/fake_platform.h"
#include "support/synth_games.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

WindowModel Loaded(const SynthOptions& options) {
  WindowModel model;
  model.history = ParseHistory(SyntheticHistory(options)).history;
  return model;
}

TEST(WheelFlow, BuildsWhileEventsRunThenSavesTextOrCsv) {
  test::FakePlatform platform{QString()};
  const WindowModel model = Loaded(test::SynthPool(6, 45, 0, false, 150));
  WheelFlow flow(model, platform);
  ASSERT_TRUE(flow.GameProblem().isEmpty());
  EXPECT_EQ(flow.DefaultTicketSize(), 6);
  WheelRequest request;
  request.chosen = {1, 5, 9, 13, 17, 21, 25, 29};
  request.ticketSize = 4;
  request.hits = 2;
  request.drawnAmongChosen = 3;
  int lastPercent = -1;
  const std::optional<WheelOutcome> outcome = flow.Build(request, [&lastPercent](int percent) {
    lastPercent = percent;
    return true;
  });
  ASSERT_TRUE(outcome && outcome->Verified());
  EXPECT_GT(platform.processEventsCount, 0);
  EXPECT_GE(lastPercent, 0);

  test::TempFolder folder;
  ASSERT_TRUE(WheelFlow::Save(*outcome, folder.FilePath(QStringLiteral("r.txt"))).isEmpty());
  ASSERT_TRUE(WheelFlow::Save(*outcome, folder.FilePath(QStringLiteral("r.CSV"))).isEmpty());
  const QByteArray text = test::ReadFile(folder.FilePath(QStringLiteral("r.txt")));
  EXPECT_EQ(text.count('\n'), static_cast<qsizetype>(outcome->tickets.size()));
  EXPECT_EQ(text.indexOf('\n'), 11);  // "01 05 09 13"
  EXPECT_TRUE(test::ReadFile(folder.FilePath(QStringLiteral("r.CSV"))).startsWith("Jugada,"));

  // A cancelled search leaves nothing to save.
  const std::optional<WheelOutcome> cancelled = flow.Build(request, [](int) { return false; });
  ASSERT_TRUE(cancelled.has_value());
  EXPECT_FALSE(cancelled->Verified());
  EXPECT_FALSE(WheelFlow::Save(*cancelled, folder.FilePath(QStringLiteral("c.txt"))).isEmpty());
  EXPECT_FALSE(test::FileExists(folder.FilePath(QStringLiteral("c.txt"))));
}

}  // namespace
}  // namespace tombolix
