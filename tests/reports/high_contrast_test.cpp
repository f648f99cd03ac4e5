#include "app/pane_table.h"
#include "reports/high_contrast.h"

#include <gtest/gtest.h>

#include <set>

namespace tombolix {
namespace {

TEST(HighContrast, ContrastRatioMatchesKnownValues) {
  EXPECT_NEAR(ContrastRatio(MakeRgb(0, 0, 0), kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(kWhite, MakeRgb(0x76, 0x76, 0x76)), 4.54, 0.01);
  EXPECT_NEAR(ContrastRatio(MakeRgb(255, 0, 0), kWhite), 4.0, 0.01);
}

// Every colour a report paints, mapped, reads at 4.5:1 on white; within one
// report, colours that differed still differ; white stays white.
TEST(HighContrast, EveryReportColourReadsOnWhiteAndStaysDistinct) {
  EXPECT_EQ(HighContrastColour(kWhite), kWhite);
  for (const PaneRow& row : PaneTable()) {
    SCOPED_TRACE(row.toolName);
    std::set<Rgb> before{kDefaultTextColour}, after{HighContrastColour(kDefaultTextColour)};
    for (const MarkPass& pass : row.colouring.passes) {
      if (pass.colour == kWhite || !before.insert(pass.colour).second) continue;
      const Rgb mapped = HighContrastColour(pass.colour);
      EXPECT_GE(ContrastRatio(mapped, kWhite), 4.5) << std::hex << pass.colour;
      EXPECT_TRUE(after.insert(mapped).second) << "two colours of one report merge: " << std::hex << pass.colour;
    }
  }
}

// Colours outside the reports (chart bars, anything new) still read on white.
TEST(HighContrast, AnyOtherColourReadsOnWhite) {
  for (int r = 0; r <= 255; r += 51) {
    for (int g = 0; g <= 255; g += 51) {
      for (int b = 0; b <= 255; b += 51) {
        const Rgb c = MakeRgb(r, g, b);
        if (c == kWhite) continue;
        EXPECT_GE(ContrastRatio(HighContrastColour(c), kWhite), 4.5) << r << ',' << g << ',' << b;
      }
    }
  }
}

}  // namespace
}  // namespace tombolix
