#include "rle8_bmp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

#include "art_set.h"
#include "glyph_set.h"
#include "support/temp_dir.h"

namespace {

// Decodes one row's RLE8 codes, as the system does when it draws the picture.
std::vector<uint8_t> Decode(const std::vector<uint8_t>& codes) {
  std::vector<uint8_t> row;
  for (size_t i = 0; i + 1 < codes.size();) {
    const uint8_t count = codes[i], value = codes[i + 1];
    i += 2;
    if (count > 0) {
      row.insert(row.end(), count, value);
      continue;
    }
    EXPECT_GE(value, 3) << "escapes other than absolute runs do not belong in a row";
    row.insert(row.end(), codes.begin() + static_cast<std::ptrdiff_t>(i),
               codes.begin() + static_cast<std::ptrdiff_t>(i + value));
    i += value + (value % 2);
  }
  return row;
}

struct Picture {
  int width = 0, height = 0, compression = -1;
  std::vector<uint32_t> pixels;  // top row first
};

// Reads a file that WriteRle8Bmp wrote back into colours.
Picture ReadRle8Bmp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  const std::string data((std::istreambuf_iterator<char>(f)), {});
  Picture p;
  if (data.size() < 54 || data.compare(0, 2, "BM") != 0) return p;
  const auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(data[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 3])) << 24;
  };
  p.width = static_cast<int>(u32(18));
  p.height = static_cast<int>(u32(22));
  p.compression = static_cast<int>(u32(30));
  const uint32_t colours = u32(46), offset = u32(10);
  std::vector<uint32_t> palette;
  for (uint32_t i = 0; i < colours; ++i) palette.push_back(u32(54 + 4 * i) & 0xFFFFFF);
  const std::vector<uint8_t> codes(data.begin() + offset, data.end());
  std::vector<std::vector<uint8_t>> rows;
  std::vector<uint8_t> row_codes;
  for (size_t i = 0; i + 1 < codes.size(); i += 2) {
    if (codes[i] == 0 && codes[i + 1] < 2) {  // end of line or of the picture
      rows.push_back(Decode(row_codes));
      row_codes.clear();
      if (codes[i + 1] == 1) break;
      continue;
    }
    row_codes.push_back(codes[i]);
    row_codes.push_back(codes[i + 1]);
    if (codes[i] == 0) {  // an absolute run: its indices, padded to a word
      const size_t n = codes[i + 1] + codes[i + 1] % 2;
      row_codes.insert(row_codes.end(), codes.begin() + static_cast<std::ptrdiff_t>(i + 2),
                       codes.begin() + static_cast<std::ptrdiff_t>(i + 2 + n));
      i += n;
    }
  }
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {  // stored bottom-up
    for (uint8_t index : *row) p.pixels.push_back(index < palette.size() ? palette[index] : 0);
  }
  return p;
}

}  // namespace

TEST(Rle8Bmp, RowsComeBackExactly) {
  std::mt19937 random(7);
  const std::vector<std::vector<uint8_t>> rows = {
      {},
      {5},
      {1, 2},
      std::vector<uint8_t>(700, 9),  // longer than one run
      {1, 2, 3, 3, 3, 4, 5, 6, 7, 7},
  };
  for (const auto& row : rows) EXPECT_EQ(Decode(EncodeRle8Row(row)), row);
  for (int n = 0; n < 50; ++n) {
    std::vector<uint8_t> row(1 + random() % 600);
    // Few values, so that runs and stretches alternate.
    for (auto& v : row) v = static_cast<uint8_t>(random() % (n % 2 ? 3 : 200));
    const std::vector<uint8_t> codes = EncodeRle8Row(row);
    EXPECT_EQ(codes.size() % 2, 0u);
    EXPECT_EQ(Decode(codes), row);
  }
}

TEST(Rle8Bmp, PaletteKeepsTheTransparentColourExactly) {
  for (const ArtImage& art : PaintArtwork()) {
    const std::vector<uint32_t> palette = ReducePalette(art.pixels, kArtKey);
    EXPECT_LE(palette.size(), 256u) << art.name;
    EXPECT_EQ(palette.front(), kArtKey) << art.name;
    EXPECT_EQ(art.pixels.front(), kArtKey) << art.name << ": its top-left pixel is transparent";
  }
}

TEST(Rle8Bmp, FilesComeBackExactlyUpTo256ColoursAndNeverGainHoles) {
  testing_support::TempDir dir;
  // Every glyph and every piece of artwork as the program will draw it.
  for (const GlyphImage& g : PaintGlyphLibrary()) {
    const std::string path = dir.File(g.name + ".bmp");
    ASSERT_TRUE(WriteRle8Bmp(path, g.width, g.height, g.pixels, kGlyphKey)) << g.name;
    const Picture back = ReadRle8Bmp(path);
    EXPECT_EQ(back.compression, 1) << g.name;
    EXPECT_EQ(back.width, g.width) << g.name;
    EXPECT_EQ(back.height, g.height) << g.name;
    ASSERT_EQ(back.pixels.size(), g.pixels.size()) << g.name;
    for (size_t i = 0; i < g.pixels.size(); ++i) {
      ASSERT_EQ(back.pixels[i] == kGlyphKey, g.pixels[i] == kGlyphKey) << g.name << " pixel " << i;
    }
    if (std::set<uint32_t>(g.pixels.begin(), g.pixels.end()).size() <= 256) {
      EXPECT_EQ(back.pixels, g.pixels) << g.name;
    }
  }
  // More than 256 colours, many of them next to the transparent one: they get near colours,
  // never the transparent one.
  std::vector<uint32_t> pixels;
  for (uint32_t i = 0; i < 40 * 30; ++i)
    pixels.push_back(i % 7 == 0 ? kGlyphKey
                                : (i % 2 ? kGlyphKey ^ (i % 5 + 1) : i * 2654435761u) & 0xFFFFFF);
  const std::string path = dir.File("many.bmp");
  ASSERT_TRUE(WriteRle8Bmp(path, 40, 30, pixels, kGlyphKey));
  const Picture back = ReadRle8Bmp(path);
  ASSERT_EQ(back.pixels.size(), pixels.size());
  for (size_t i = 0; i < pixels.size(); ++i) {
    ASSERT_EQ(back.pixels[i] == kGlyphKey, pixels[i] == kGlyphKey) << "pixel " << i;
  }
  EXPECT_FALSE(WriteRle8Bmp(dir.File("missing/t.bmp"), 1, 1, {0}, kGlyphKey));
}
