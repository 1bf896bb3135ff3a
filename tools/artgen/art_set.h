// The background window's artwork, painted from code: the emblem, the product's name and the
// row of installation disks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ArtImage {
  std::string name;
  int width;
  int height;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top
};

// The background's own blue: uncovered pixels take it (the pictures' top-left pixel, so it is the
// transparent colour) and edges blend into it, so that no fringe shows on the window.
constexpr uint32_t kArtKey = 0x084A8C;

std::vector<ArtImage> PaintArtwork();
