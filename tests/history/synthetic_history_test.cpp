#include "synthetic_history.h"
#include "history/loader.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

SynthOptions Options(SynthOptions::Kind kind, int positions, int bonus, int draws) {
  SynthOptions o;
  o.kind = kind;
  o.numbers = o.positions = positions;
  o.bonus = bonus;
  o.draws = draws;
  o.seed = 7;
  return o;
}

TEST(SyntheticHistory, PinnedOutputThatTheLoaderAccepts) {
  // The same seed gives the same bytes on every platform, so benchmarks compare.
  EXPECT_EQ(SyntheticHistory(Options(SynthOptions::Kind::Pick, 6, 16, 2)),
            QByteArray("02/01/1990,02,07,13,19,26,31,07\r\n05/01/1990,02,26,29,30,36,43,07\r\n"));
  for (const SynthOptions& options :
       {Options(SynthOptions::Kind::Pick, 6, 16, 2000), Options(SynthOptions::Kind::Digits, 4, 0, 300),
        Options(SynthOptions::Kind::Pick, 1, 16, 10)}) {
    const LoadedHistory r = ParseHistory(SyntheticHistory(options));
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(r.history.DrawCount, options.draws);
  }
}

}  // namespace
}  // namespace tombolix
