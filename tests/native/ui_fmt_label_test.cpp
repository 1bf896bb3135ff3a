#include <gtest/gtest.h>

#include "ui/core/fmt_caption.h"
#include "ui/core/fmt_layout.h"

namespace {

const FmtFont kBase{0x000000, 8, kFmtBold};

// Fixed-width fake metrics: each character is as wide as the font's point size, a line twice as
// high.
const FmtMetrics kMetrics{
    [](const FmtFont& f, std::string_view t) { return static_cast<int>(t.size()) * f.size; },
    [](const FmtFont& f) { return 2 * f.size; }};

std::string Texts(const FmtLine& line) {
  std::string out;
  for (const FmtSegment& s : line) out += "[" + s.text + "]";
  return out;
}

TEST(FmtCaption, MarkersChangeTheTextThatFollows) {
  const auto lines = ParseFmtCaption("a@9red&12big$1it$3bi$0n", kBase);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(Texts(lines[0]), "[a][red][big][it][bi][n]");
  EXPECT_EQ(lines[0][0].font, kBase);
  EXPECT_EQ(lines[0][1].font.color, 0x0000FF);
  EXPECT_EQ(lines[0][2].font.size, 12);
  EXPECT_EQ(lines[0][2].font.color, 0x0000FF);
  EXPECT_EQ(lines[0][3].font.style, kFmtItalic);
  EXPECT_EQ(lines[0][4].font.style, kFmtBold | kFmtItalic);
  EXPECT_EQ(lines[0][5].font.style, 0);
}

TEST(FmtCaption, PaletteCoversStandardAndSystemColours) {
  EXPECT_EQ(FmtPaletteColor(0), 0x000000);
  EXPECT_EQ(FmtPaletteColor(4), 0x800000);  // navy
  EXPECT_EQ(FmtPaletteColor(15), 0xFFFFFF);
  EXPECT_EQ(FmtPaletteColor(16), SystemColorIndex(0));
  EXPECT_EQ(FmtPaletteColor(36), SystemColorIndex(20));
  EXPECT_EQ(ParseFmtCaption("@31x", kBase)[0][0].font.color, SystemColorIndex(15));
}

TEST(FmtCaption, ShadowAndBlinkToggle) {
  const auto lines = ParseFmtCaption("a%b~c%d~e", kBase);
  ASSERT_EQ(Texts(lines[0]), "[a][b][c][d][e]");
  const bool shadow[] = {false, true, true, false, false};
  const bool blink[] = {false, false, true, true, false};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(lines[0][i].shadow, shadow[i]) << i;
    EXPECT_EQ(lines[0][i].blink, blink[i]) << i;
  }
}

TEST(FmtCaption, EmptySegmentIsChangedInPlace) {
  const auto lines = ParseFmtCaption("@9&14%x", kBase);
  ASSERT_EQ(lines[0].size(), 1u);
  EXPECT_EQ(lines[0][0].text, "x");
  EXPECT_EQ(lines[0][0].font.color, 0x0000FF);
  EXPECT_EQ(lines[0][0].font.size, 14);
  EXPECT_TRUE(lines[0][0].shadow);
}

TEST(FmtCaption, EscapesShowMarkersLiterally) {
  const auto lines = ParseFmtCaption("\\@9 \\$ \\% \\& \\~ \\x \\", kBase);
  ASSERT_EQ(lines[0].size(), 1u);
  EXPECT_EQ(lines[0][0].text, "@9 $ % & ~ \\x \\");
  EXPECT_EQ(lines[0][0].font, kBase);
}

TEST(FmtCaption, LiteralCaptionShowsTextAsWritten) {
  // Short names, percentages, prices, accelerators and backslashes before markers.
  const std::string text = "C:\\PROGRA~1\\$RECYCLE\\ 50% @9 &12 \\~ end\\";
  const auto lines = ParseFmtCaption(LiteralFmtCaption(text), kBase);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 1u);
  EXPECT_EQ(lines[0][0].text, text);
  EXPECT_EQ(lines[0][0].font, kBase);
  EXPECT_FALSE(lines[0][0].blink);
  EXPECT_FALSE(lines[0][0].shadow);
  // Line breaks stay line breaks.
  EXPECT_EQ(ParseFmtCaption(LiteralFmtCaption("a~\rb%"), kBase).size(), 2u);
}

TEST(FmtCaption, BadNumbersChangeNothing) {
  // No digits, palette beyond 36, unknown style, absurdly long number.
  const auto lines = ParseFmtCaption("a@b@37c$4d&e&1234567890f", kBase);
  ASSERT_EQ(lines[0].size(), 1u);
  EXPECT_EQ(lines[0][0].text, "abcdef");
  EXPECT_EQ(lines[0][0].font, kBase);
}

TEST(FmtCaption, LineBreaksKeepTheLookAndEmptyLines) {
  const auto lines = ParseFmtCaption("one@9\r\r\ntwo\nthree\r", kBase);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(Texts(lines[0]), "[one][]");
  EXPECT_EQ(Texts(lines[1]), "[]");
  EXPECT_EQ(lines[1][0].font.color, 0x0000FF);  // the empty line keeps the colour
  EXPECT_EQ(Texts(lines[2]), "[two]");
  EXPECT_EQ(Texts(lines[3]), "[three]");
  EXPECT_EQ(Texts(lines[4]), "[]");
  EXPECT_EQ(ParseFmtCaption("", kBase).size(), 1u);
}

TEST(FmtLayout, GrowsToLinesAndPlacesThemByAlignment) {
  FmtLayoutInput in;
  in.lines = ParseFmtCaption("abcd\r&16xy", kBase);  // widths 32 and 32, heights 16 and 32
  in.bounds = {5, 6, 10, 100};
  in.alignment = taRightJustify;
  const FmtLabelLayout l = LayoutFmtLabel(in, kMetrics);
  EXPECT_EQ(l.bounds, (FmtLabelBounds{5, 6, 32, 100}));  // wider, never lower
  ASSERT_EQ(l.placed.size(), 2u);
  EXPECT_EQ(l.placed[1].top, 16);
  EXPECT_EQ(l.placed[1].height, 32);

  in.lines = ParseFmtCaption("ab&16c\r&8abcdefgh", kBase);  // widths 32 and 64
  in.bounds = {0, 0, 0, 0};
  for (auto [alignment, left] :
       {std::pair{taLeftJustify, 0}, {taRightJustify, 32}, {taCenter, 16}}) {
    in.alignment = alignment;
    const FmtLabelLayout c = LayoutFmtLabel(in, kMetrics);
    EXPECT_EQ(c.placed[0].left, left);
    // Mixed sizes on one line stand on a common bottom.
    EXPECT_EQ(c.placed[0].segments[0].top, 16);
    EXPECT_EQ(c.placed[0].segments[1].left, left + 16);
    EXPECT_EQ(c.placed[0].segments[1].top, 0);
  }
}

TEST(FmtLayout, AlignPlacesTheLabelInItsParent) {
  FmtLayoutInput in;
  in.lines = ParseFmtCaption("abcde", kBase);  // 40 by 16
  in.bounds = {7, 9, 0, 0};
  in.parent_width = 200;
  in.parent_height = 100;
  const std::pair<TMAlign, FmtLabelBounds> cases[] = {
      {alMNone, {7, 9, 40, 16}}, {alMTop, {7, 1, 40, 16}},     {alMBottom, {7, 83, 40, 16}},
      {alMLeft, {1, 9, 40, 16}}, {alMRight, {158, 9, 40, 16}}, {alMCenter, {80, 42, 40, 16}}};
  for (const auto& [align, expected] : cases) {
    in.align = align;
    EXPECT_EQ(LayoutFmtLabel(in, kMetrics).bounds, expected) << int(align);
  }
}

TEST(FmtLayout, WordWrapBreaksBetweenWordsAcrossSegments) {
  FmtLayoutInput in;
  in.word_wrap = true;
  in.bounds = {0, 0, 80, 0};  // ten characters of size 8
  in.lines = ParseFmtCaption("one two @9three four fivesixseveneight", kBase);
  const FmtLabelLayout l = LayoutFmtLabel(in, kMetrics);
  // The space that ends the first look goes with the break.
  ASSERT_EQ(l.lines.size(), 3u);
  EXPECT_EQ(Texts(l.lines[0]), "[one two]");
  EXPECT_EQ(Texts(l.lines[1]), "[three four]");
  EXPECT_EQ(l.lines[1][0].font.color, 0x0000FF);
  EXPECT_EQ(Texts(l.lines[2]), "[fivesixseveneight]");
  EXPECT_EQ(l.bounds.width, 17 * 8);  // a word longer than the width widens the label
  EXPECT_EQ(l.bounds.height, 3 * 16);

  // A word split over two looks stays whole; lines that fit are untouched.
  in.lines = ParseFmtCaption("aaaaaaa bb@9cc", kBase);
  const FmtLabelLayout w = LayoutFmtLabel(in, kMetrics);
  ASSERT_EQ(w.lines.size(), 2u);
  EXPECT_EQ(Texts(w.lines[1]), "[bb][cc]");
  in.lines = ParseFmtCaption("  short", kBase);
  EXPECT_EQ(Texts(LayoutFmtLabel(in, kMetrics).lines[0]), "[  short]");
}

}  // namespace
