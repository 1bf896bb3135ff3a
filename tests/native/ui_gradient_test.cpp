#include <gtest/gtest.h>

#include "ui/core/gradient.h"

namespace {

TEST(PanelGradient, RoundsUpPerComponent) {
  const TColor black = 0x000000, white = 0xFFFFFF;
  EXPECT_EQ(PanelGradientColor(black, white, 0, 100), black);
  EXPECT_EQ(PanelGradientColor(black, white, 50, 100), MakeColor(128, 128, 128));
  EXPECT_EQ(PanelGradientColor(black, white, 99, 100), MakeColor(253, 253, 253));
  // Falling components round towards the end colour's side of zero, i.e. up.
  EXPECT_EQ(PanelGradientColor(white, black, 1, 100), MakeColor(253, 253, 253));
  // Components move independently.
  EXPECT_EQ(PanelGradientColor(MakeColor(10, 200, 0), MakeColor(20, 100, 255), 3, 10),
            MakeColor(13, 170, 77));
  EXPECT_EQ(PanelGradientColor(black, white, 0, 0), black);
}

TEST(PanelGradient, EqualColoursFillSolid) {
  EXPECT_EQ(ChoosePanelFill(true, 0x123456, 0x123456, true), PanelFill::kSolid);
  EXPECT_EQ(ChoosePanelFill(false, 0x123456, 0x654321, true), PanelFill::kSolid);
  EXPECT_EQ(ChoosePanelFill(true, 0x123456, 0x654321, true), PanelFill::kHorizontalGradient);
  EXPECT_EQ(ChoosePanelFill(true, 0x123456, 0x654321, false), PanelFill::kVerticalGradient);
  for (int i = 0; i < 100; i += 7)
    EXPECT_EQ(PanelGradientColor(0xC8D0D4, 0xC8D0D4, i, 100), 0xC8D0D4);
}

TEST(TitleBarGradient, AccumulatesAndTruncatesPerColumn) {
  const auto runs = TitleBarGradientRuns(0x000000, 0xFFFFFF, 100);
  // Step 2.55 a column: columns 0 and 1 give 0 and 2, column 99 gives 252.
  ASSERT_EQ(runs.size(), 100u);
  EXPECT_EQ(runs[0], (GradientRun{0, 1, 0x000000}));
  EXPECT_EQ(runs[1].color, MakeColor(2, 2, 2));
  EXPECT_EQ(runs[50].color, MakeColor(127, 127, 127));
  EXPECT_EQ(runs[99], (GradientRun{99, 100, MakeColor(252, 252, 252)}));

  // Columns of one colour merge into one run; the runs cover the width.
  const auto slow = TitleBarGradientRuns(MakeColor(0, 0, 0), MakeColor(4, 0, 0), 512);
  ASSERT_EQ(slow.size(), 4u);
  EXPECT_EQ(slow[0].right, 128);
  EXPECT_EQ(slow[3].right, 512);
  EXPECT_EQ(TitleBarGradientRuns(0x4D3004, 0x4D3004, 50).size(), 1u);
  EXPECT_TRUE(TitleBarGradientRuns(0, 0xFFFFFF, 0).empty());
}

}  // namespace
