#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/glyphs/glyph_library.h"

namespace {

struct Size {
  LONG width = 0, height = 0;
};

Size LoadedSize(const std::string& name) {
  HANDLE h =
      LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (!h) return {};
  BITMAP bm{};
  GetObjectA(h, sizeof bm, &bm);
  DeleteObject(h);
  return {bm.bmWidth, bm.bmHeight};
}

TEST(GlyphResources, EveryPictureLoadsByName) {
  for (std::string_view n : GlyphLibraryImageNames()) {
    const std::string name(n);
    EXPECT_NE(FindResourceA(GetModuleHandleA(nullptr), name.c_str(), MAKEINTRESOURCEA(2)), nullptr)
        << name;
    EXPECT_GT(LoadedSize(name).width, 0) << name;
  }
  const Size icon = LoadedSize("Warning");
  EXPECT_EQ(icon.width, 42);
  EXPECT_EQ(icon.height, 64);
  EXPECT_EQ(LoadedSize(std::string(kButtonFaceImage)).width % kButtonFaceSlices, 0);
  EXPECT_EQ(LoadedSize("crescator").width, 16);
  EXPECT_EQ(LoadedSize("NoSuchPicture").width, 0);
}

}  // namespace
