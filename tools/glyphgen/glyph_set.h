// The pictures of the toolkit's glyph library, painted from code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GlyphImage {
  std::string name;
  int width;
  int height;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top
};

// Transparent parts of every picture are this colour (its top-left pixel); backgrounds have none.
constexpr uint32_t kGlyphKey = 0xFF00FF;
// Edges are blended over the button face the pictures are usually shown on.
constexpr uint32_t kGlyphMatte = 0xD4D0C8;

constexpr int kButtonGlyphSize = 20;  // each of the three images of a button glyph
constexpr int kSmallGlyphSize = 16;
constexpr int kBoxGlyphSize = 13;  // check box and radio button images
constexpr int kIconWidth = 42;
constexpr int kIconHeight = 64;

std::vector<GlyphImage> PaintGlyphLibrary();
