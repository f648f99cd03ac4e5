// The analyses that watch the stop request end at the step where it appears.
#include "analyses/play_patterns.h"
#include "analyses/third_law_maps.h"
#include "analyses/winning_history.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace tombolix {
namespace {

using test::StopAfterHooks;

TEST(StopRequestTest, EachStoppableAnalysisStopsAtTheStepItIsAskedTo) {
  const History h = test::PatternHistory(5, 150, 30);
  const SelectorLists lists = FillSelectors(HistoryView(h), 0).lists;
  AnalysisArrays arrays;
  using Run = std::function<AnalysisOutcome(ReportText&, StepHooks&)>;
  struct Case {
    const char* name;
    Run run;
    int steps;  // of a full run
  };
  const Case cases[] = {
      {"plain winning history",
       [&](ReportText& r, StepHooks& s) { return WinningHistory(HistoryView(h), lists, 100, r, s); }, 100},
      {"replayed winning history",
       [&](ReportText& r, StepHooks& s) { return WinningHistoryReplay(h, 100, arrays, r, s); }, 101},
      {"third-law map M1", [&](ReportText& r, StepHooks& s) { return ThirdLawMapM1(h, 100, arrays, r, s); }, 101},
      {"play patterns", [&](ReportText& r, StepHooks& s) { return PatronJugadas(HistoryView(h), r, s); }, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const int k : {1, 40, c.steps}) {
      StopAfterHooks hooks(k);
      ReportText report;
      EXPECT_EQ(c.run(report, hooks), AnalysisOutcome::Stopped);
      EXPECT_EQ(hooks.steps, k);
      // No progress is shown for the step that saw the request.
      EXPECT_LE(hooks.progress.size(), static_cast<size_t>(k - 1));
    }
    StopAfterHooks never(c.steps + 1);
    ReportText report;
    EXPECT_EQ(std::pair(c.run(report, never), never.steps), std::pair(AnalysisOutcome::Done, c.steps));
  }
}

}  // namespace
}  // namespace tombolix
