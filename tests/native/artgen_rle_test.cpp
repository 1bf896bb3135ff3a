#include <gtest/gtest.h>

#include <random>

#include "art_set.h"
#include "rle8_bmp.h"

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

}  // namespace

TEST(ArtgenRle, RowsComeBackExactly) {
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

TEST(ArtgenRle, PaletteKeepsTheTransparentColourExactly) {
  for (const ArtImage& art : PaintArtwork()) {
    const std::vector<uint32_t> palette = ReducePalette(art.pixels, kArtKey);
    EXPECT_LE(palette.size(), 256u) << art.name;
    EXPECT_EQ(palette.front(), kArtKey) << art.name;
    EXPECT_EQ(art.pixels.front(), kArtKey) << art.name << ": its top-left pixel is transparent";
  }
}
