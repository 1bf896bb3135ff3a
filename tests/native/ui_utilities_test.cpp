#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ui/core/accelerator_text.h"
#include "ui/core/background_recolor.h"
#include "ui/core/color.h"
#include "ui/core/color_map.h"
#include "ui/core/panel_caption.h"
#include "ui/core/title_bar_layout.h"
#include "ui/core/work_area.h"

namespace {

TEST(WorkArea, TaskbarOnEachEdge) {
  const int w = 1024, h = 768;
  struct Case {
    ScreenRect bar;
    TaskbarEdge edge;
    int width, height;
  };
  const Case cases[] = {
      {{0, 738, 1024, 768}, TaskbarEdge::kBottom, 1030, 744},
      {{-2, 736, 1026, 770}, TaskbarEdge::kBottom, 1030, 740},
      {{0, 0, 1024, 30}, TaskbarEdge::kTop, 1030, 744},
      {{0, 0, 60, 768}, TaskbarEdge::kLeft, 970, 774},
      {{964, 0, 1024, 768}, TaskbarEdge::kRight, 970, 774},
      // No taskbar, and one floating in the middle: both count as bottom.
      {{0, 0, 0, 0}, TaskbarEdge::kBottom, 1030, 774},
      {{100, 100, 300, 130}, TaskbarEdge::kBottom, 1030, 744},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyTaskbar(c.bar, w, h), c.edge) << c.bar.left << "," << c.bar.top;
    const WorkAreaLimits l = ComputeWorkAreaLimits(c.bar, w, h);
    EXPECT_EQ(l.width, c.width) << c.bar.left << "," << c.bar.top;
    EXPECT_EQ(l.height, c.height) << c.bar.left << "," << c.bar.top;
  }
}

TEST(AcceleratorText, SplitsAroundTheFirstAmpersand) {
  const AcceleratorParts da = SplitAccelerator("&Da");
  EXPECT_TRUE(da.has_accelerator);
  EXPECT_EQ(da.before, "");
  EXPECT_EQ(da.key, "D");
  EXPECT_EQ(da.after, "a");
  const AcceleratorParts ok = SplitAccelerator("O&K & co");
  EXPECT_EQ(ok.before, "O");
  EXPECT_EQ(ok.key, "K");
  EXPECT_EQ(ok.after, " & co");
  const AcceleratorParts plain = SplitAccelerator("Gata");
  EXPECT_FALSE(plain.has_accelerator);
  EXPECT_EQ(plain.before, "Gata");
  const AcceleratorParts trailing = SplitAccelerator("Gata&");
  EXPECT_TRUE(trailing.has_accelerator);
  EXPECT_EQ(trailing.before, "Gata");
  EXPECT_EQ(trailing.key, "");
  EXPECT_EQ(RemoveAmpersands("&Inapoi && &Continua"), "Inapoi  Continua");
}

TEST(AcceleratorText, KeyIsHighlightedOrUnderlined) {
  const AcceleratorKeyLook red = KeyLook(0x000000, false, 0x0000FF);
  EXPECT_EQ(red.color, 0x0000FF);
  EXPECT_FALSE(red.underline);
  const AcceleratorKeyLook same = KeyLook(0x000000, false, 0x000000);
  EXPECT_EQ(same.color, 0x000000);
  EXPECT_TRUE(same.underline);
  EXPECT_FALSE(KeyLook(0x0000FF, true, 0x0000FF).underline);
}

TEST(AcceleratorText, PlacesTheCaptionWithTwoPixelsSlack) {
  EXPECT_EQ(AcceleratorTextLeft(10, 110, 40, TextPlacement::kLeft), 10);
  EXPECT_EQ(AcceleratorTextLeft(10, 110, 40, TextPlacement::kCenter), 10 + 29);
  EXPECT_EQ(AcceleratorTextLeft(10, 110, 40, TextPlacement::kRight), 110 - 42);
}

TEST(Colors, MapClampAndHint) {
  EXPECT_EQ(MapColor(SystemColorIndex(15)), 0xC8D0D4);
  for (TColor kept : {0x9C9C9D, 0xA9A9A9, 0xB6B6B6, 0xCFCFCF, 0xDFDFDF, 0xEFEFEF, 0xC8D0D4,
                      0x123456, SystemColorIndex(5)})
    EXPECT_EQ(MapColor(kept), kept);
  EXPECT_EQ(ClampComponent(255.5), 255);
  EXPECT_EQ(ClampComponent(-0.5), 0);
  EXPECT_EQ(ClampComponent(std::nan("")), 0);
  EXPECT_EQ(ClampComponent(12.01), 13);
  EXPECT_EQ(ClampComponent(12.0), 12);
  EXPECT_EQ(HintColor(true), MakeColor(217, 226, 230));
  EXPECT_EQ(HintColor(false), 0x00FFFF);
}

TEST(BackgroundRecolor, ReplacesEveryPixelOfTheTopLeftColour) {
  std::vector<uint32_t> px{0xFFFF00FF, 0x000000, 0x00FF00FF, 0xFF00FF00, 0x12FF00FF};
  RecolorBackground(px, 0xD4D0C8);
  EXPECT_EQ(px, (std::vector<uint32_t>{0xD4D0C8, 0x000000, 0xD4D0C8, 0xFF00FF00, 0xD4D0C8}));
  std::vector<uint32_t> none;
  RecolorBackground(none, 1);  // nothing to do, no failure
}

TEST(TitleBarLayout, MarginByIconStyleAndScale) {
  const TitleBarMetrics m96 = TitleBarMetricsFor(96);
  EXPECT_EQ(m96.height, 25);
  EXPECT_EQ(m96.font_size, 10);
  EXPECT_EQ(m96.caption_dx, -1);
  EXPECT_EQ(m96.caption_dy, -1);
  const TitleBarMetrics m120 = TitleBarMetricsFor(120);
  EXPECT_EQ(m120.height, 31);
  EXPECT_EQ(m120.font_size, 11);
  EXPECT_EQ(m120.caption_dx, -2);

  const TitleCaptionPlace none = PlaceTitleCaption(isNone, 32, 400, 25, 13, 96);
  EXPECT_EQ(none.margin, 10);
  EXPECT_EQ(none.area_width, 380);
  EXPECT_EQ(none.text_left, 15);
  EXPECT_EQ(none.text_top, 6);
  const TitleCaptionPlace search = PlaceTitleCaption(isSearch, 32, 400, 31, 16, 120);
  EXPECT_EQ(search.margin, 31);
  EXPECT_EQ(search.area_width, 359);
  EXPECT_EQ(search.text_left, 37);
  EXPECT_EQ(search.text_top, 7);
}

TEST(PanelCaption, HashBreaksLinesAndTheBlockIsPlaced) {
  EXPECT_EQ(PanelCaptionLines("Copiere#fisiere"), "Copiere\r\nfisiere");
  EXPECT_TRUE(PanelCaptionHighlighted("A && B"));
  EXPECT_FALSE(PanelCaptionHighlighted("&A"));
  EXPECT_EQ(PlacePanelCaption(200, 50, 60, 26, taCenter).left, 70);
  EXPECT_EQ(PlacePanelCaption(200, 50, 60, 26, taRightJustify).left, 140);
  EXPECT_EQ(PlacePanelCaption(200, 50, 60, 26, taLeftJustify).left, 0);
  EXPECT_EQ(PlacePanelCaption(200, 50, 60, 26, taLeftJustify).top, 12);
}

}  // namespace
