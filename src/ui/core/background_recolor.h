// Replacing a bitmap's background, the colour of its top-left pixel, by another colour.
#pragma once

#include <cstdint>
#include <span>

// `pixels` in rows from the top, first pixel top-left, in any 24- or 32-bit encoding; only the
// low 24 bits are compared. `replacement` is written in the same encoding.
void RecolorBackground(std::span<uint32_t> pixels, uint32_t replacement);
