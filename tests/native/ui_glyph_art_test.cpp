#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "glyph_set.h"
#include "raster.h"
#include "ui/core/button_kind.h"
#include "ui/glyphs/alte_glife.h"
#include "ui/glyphs/glyph_library.h"

namespace {

const std::map<std::string, GlyphImage>& Library() {
  static const auto* lib = [] {
    auto* m = new std::map<std::string, GlyphImage>;
    for (GlyphImage& g : PaintGlyphLibrary()) m->emplace(g.name, std::move(g));
    return m;
  }();
  return *lib;
}

uint32_t Pixel(const GlyphImage& g, int x, int y) {
  return g.pixels[static_cast<size_t>(y) * g.width + x];
}

TEST(GlyphArt, PaintsExactlyTheLibrarysPictures) {
  std::set<std::string> expected;
  for (std::string_view n : GlyphLibraryImageNames()) expected.emplace(n);
  std::set<std::string> painted;
  for (const auto& [name, g] : Library()) {
    painted.insert(name);
    EXPECT_EQ(g.pixels.size(), static_cast<size_t>(g.width) * g.height) << name;
  }
  EXPECT_EQ(painted, expected);
  EXPECT_EQ(PaintGlyphLibrary().size(), expected.size());  // no picture painted twice
}

TEST(GlyphArt, SizesFollowWhatTheControlsCutFromThem) {
  for (const char* icon : {"Warning", "Error", "Information", "Confirmation"}) {
    EXPECT_EQ(Library().at(icon).width, kIconWidth);
    EXPECT_EQ(Library().at(icon).height, kIconHeight);
  }
  // Button glyphs hold up, disabled and down images; pictures that are also shown whole by
  // an image control are single.
  const std::set<std::string> singles{"Permis", "Buget", "Vortel"};
  for (int k = 0; k < kButtonKindCount; ++k) {
    for (std::string_view n : {KindGlyphName(static_cast<TMButtonKind>(k)),
                               NiceButtonGlyphName(static_cast<TMButtonKind>(k))}) {
      if (n.empty()) continue;
      const GlyphImage& g = Library().at(std::string(n));
      EXPECT_EQ(g.height, kButtonGlyphSize) << n;
      EXPECT_EQ(g.width, singles.count(g.name) ? g.height : 3 * g.height) << n;
    }
  }
  EXPECT_EQ(Library().at("Check").width, 3 * Library().at("Check").height);
  EXPECT_EQ(Library().at("Radio").width, 2 * Library().at("Radio").height);
  for (const char* face : {"ButtonFaceZAN", "ButtonFaceZAN120"})
    EXPECT_EQ(Library().at(face).width % kButtonFaceSlices, 0) << face;
}

TEST(GlyphArt, TransparentPicturesAreKeyedAtTheTopLeftAndBackgroundsAreOpaque) {
  for (const auto& [name, g] : Library()) {
    const bool background = KeepsStoredBackground(name) && name.rfind("ButtonFace", 0) != 0;
    const auto keyed = std::count(g.pixels.begin(), g.pixels.end(), kGlyphKey);
    if (background) {
      EXPECT_EQ(keyed, 0) << name;
    } else {
      EXPECT_EQ(Pixel(g, 0, 0), kGlyphKey) << name;
      EXPECT_LT(keyed, static_cast<long>(g.pixels.size())) << name << " is empty";
    }
  }
  // Every small picture shown by kind has something to show.
  for (int i = 1; i < kAlteGlifeCount; ++i)
    EXPECT_TRUE(Library().count(std::string(AlteGlifeImageName(static_cast<TAlteGlife>(i)))));
}

TEST(GlyphArt, ButtonFaceMiddleSlicesTile) {
  for (const char* name : {"ButtonFaceZAN", "ButtonFaceZAN120"}) {
    const GlyphImage& g = Library().at(name);
    const int s = g.width / kButtonFaceSlices;
    for (int look = 0; look < 3; ++look) {
      const int left = (3 * look + 1) * s;
      for (int y = 0; y < g.height; ++y) {
        for (int x = left; x < left + s; ++x) {
          ASSERT_EQ(Pixel(g, x, y), Pixel(g, left, y)) << name << " look " << look;
          ASSERT_NE(Pixel(g, x, y), kGlyphKey) << name << " look " << look;
        }
      }
      // Caps are transparent in their outer corners.
      EXPECT_EQ(Pixel(g, 3 * look * s, 0), kGlyphKey);
      EXPECT_EQ(Pixel(g, (3 * look + 3) * s - 1, g.height - 1), kGlyphKey);
    }
  }
}

}  // namespace
