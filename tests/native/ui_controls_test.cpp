#include <gtest/gtest.h>

#include "ui/core/button_layout.h"
#include "ui/core/check_state.h"
#include "ui/core/nice_button_geometry.h"
#include "ui/core/radio_group_layout.h"

namespace {

TEST(ButtonLayout, MarginAndSpacingRules) {
  // 90 by 40 button, 20 by 20 glyph, 30 by 13 caption: 40 pixels free along the row.
  ButtonContentPlace p = PlaceButtonContent(90, 40, 20, 20, 30, 13, blGlyphLeft, -1, 0);
  EXPECT_EQ(p.glyph_left, 20);  // the group is centred
  EXPECT_EQ(p.text_left, 40);
  EXPECT_EQ(p.glyph_top, 10);
  EXPECT_EQ(p.text_top, 13);
  p = PlaceButtonContent(90, 40, 20, 20, 30, 13, blGlyphLeft, -1, -1);
  EXPECT_EQ(p.glyph_left, 13);  // margin, spacing and the rest share the free space
  EXPECT_EQ(p.text_left, 13 + 20 + 13);
  p = PlaceButtonContent(90, 40, 20, 20, 30, 13, blGlyphLeft, 4, -1);
  EXPECT_EQ(p.glyph_left, 4);
  EXPECT_EQ(p.text_left, 4 + 20 + 18);  // caption centred in what is left
  p = PlaceButtonContent(90, 40, 20, 20, 30, 13, blGlyphRight, 4, 2);
  EXPECT_EQ(p.glyph_left, 66);
  EXPECT_EQ(p.text_left, 34);
  p = PlaceButtonContent(90, 60, 20, 20, 30, 13, blGlyphTop, -1, 3);
  EXPECT_EQ(p.glyph_left, 35);
  EXPECT_EQ(p.text_left, 30);
  EXPECT_EQ(p.glyph_top, 12);
  EXPECT_EQ(p.text_top, 35);
  // Without a caption the glyph alone is centred; spacing does not count.
  p = PlaceButtonContent(90, 40, 20, 20, 0, 0, blGlyphLeft, -1, 5);
  EXPECT_EQ(p.glyph_left, 35);
  EXPECT_EQ(GlyphImageWidth(60, 3), 20);
}

TEST(NiceButton, FaceIsCutFromNineSlices) {
  NiceButtonInput in{100, 28, 108, 24, NiceLook::kHighlighted, true, false, false};
  const NiceButtonGeometry g = LayoutNiceButton(in);
  EXPECT_EQ(g.face_left, 35);
  EXPECT_EQ(g.face_top, 2);
  ASSERT_GE(g.pieces.size(), 3u);
  EXPECT_EQ(g.pieces.front().source, (SliceRect{36, 0, 12, 24}));  // highlighted left cap
  EXPECT_EQ(g.pieces.front().dest, (SliceRect{35, 2, 12, 24}));
  EXPECT_TRUE(g.pieces.front().transparent);
  EXPECT_EQ(g.pieces.back().source, (SliceRect{60, 0, 12, 24}));
  EXPECT_EQ(g.pieces.back().dest, (SliceRect{88, 2, 12, 24}));
  // The middle is tiled without gaps or overlaps, the last tile cut short.
  int x = 47;
  for (size_t i = 1; i + 1 < g.pieces.size(); ++i) {
    EXPECT_FALSE(g.pieces[i].transparent);
    EXPECT_EQ(g.pieces[i].dest.left, x);
    EXPECT_EQ(g.pieces[i].source.width, g.pieces[i].dest.width);
    x += g.pieces[i].dest.width;
  }
  EXPECT_EQ(x, 88);
  EXPECT_EQ(g.caption, (SliceRect{47, 2, 41, 24}));

  // No glyph: the face starts at the edge; pressed look uses the last three slices.
  in.has_glyph = false;
  in.look = NiceLook::kPressed;
  EXPECT_EQ(LayoutNiceButton(in).pieces.front().source.left, 72);
  EXPECT_EQ(LayoutNiceButton(in).face_left, 0);
}

TEST(NiceButton, StretchGrowsTheMiddleRow) {
  const NiceButtonInput in{100, 40, 108, 24, NiceLook::kNormal, false, false, true};
  const NiceButtonGeometry g = LayoutNiceButton(in);
  EXPECT_EQ(g.face_height, 40);
  // Three bands: top 8 kept, middle 8 stretched to 24, bottom 8 kept.
  bool seen_middle = false;
  for (const FacePiece& p : g.pieces) {
    if (p.source.top == 8) {
      EXPECT_EQ(p.dest.top, 8);
      EXPECT_EQ(p.dest.height, 24);
      seen_middle = true;
    }
    if (p.source.top == 16) {
      EXPECT_EQ(p.dest.top, 32);
    }
  }
  EXPECT_TRUE(seen_middle);
}

TEST(NiceButton, MouseGoesThroughOutsideTheFace) {
  NiceButtonInput in{100, 40, 108, 24, NiceLook::kNormal, true, false, false};
  EXPECT_TRUE(NiceButtonHit(in, 50, 20));
  EXPECT_FALSE(NiceButtonHit(in, 50, 3));   // above the face strip
  EXPECT_FALSE(NiceButtonHit(in, 50, 32));  // below it
  EXPECT_TRUE(NiceButtonHit(in, 10, 3));    // the glyph area answers at any height
  EXPECT_FALSE(NiceButtonHit(in, 100, 20));
  in.stretch = true;
  EXPECT_TRUE(NiceButtonHit(in, 50, 3));
}

TEST(CheckBox, ClicksCycleThroughTheStates) {
  TCheckBoxState s = cbUnchecked;
  const TCheckBoxState with_grayed[] = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState expected : with_grayed) EXPECT_EQ(s = NextCheckState(s, true), expected);
  EXPECT_EQ(NextCheckState(cbUnchecked, false), cbChecked);
  EXPECT_EQ(NextCheckState(cbChecked, false), cbUnchecked);
  EXPECT_EQ(CheckImageIndex(cbChecked), 0);
  EXPECT_EQ(CheckImageIndex(cbUnchecked), 1);
  EXPECT_EQ(CheckImageIndex(cbGrayed), 2);
}

TEST(RadioGroup, ColumnsAreFilledTopToBottom) {
  // Five items in two columns: three rows.
  EXPECT_EQ(RadioItemBounds(0, 5, 2, 200, 90), (RadioItemRect{0, 0, 100, 30}));
  EXPECT_EQ(RadioItemBounds(2, 5, 2, 200, 90), (RadioItemRect{0, 60, 100, 30}));
  EXPECT_EQ(RadioItemBounds(3, 5, 2, 200, 90), (RadioItemRect{100, 0, 100, 30}));
  EXPECT_EQ(RadioItemBounds(0, 3, 0, 90, 90), (RadioItemRect{0, 0, 90, 30}));
  EXPECT_EQ(RadioItemBounds(0, 0, 1, 90, 90), (RadioItemRect{}));
  EXPECT_EQ(ClampItemIndex(7, 3), 2);
  EXPECT_EQ(ClampItemIndex(-5, 3), -1);
  EXPECT_EQ(ClampItemIndex(0, 0), -1);
}

}  // namespace
