#include "ui/core/background_recolor.h"

void RecolorBackground(std::span<uint32_t> pixels, uint32_t replacement) {
  if (pixels.empty()) return;
  const uint32_t key = pixels[0] & 0xFFFFFF;
  for (uint32_t& p : pixels) {
    if ((p & 0xFFFFFF) == key) p = replacement;
  }
}
