// The BMP file layout for 24-bit pictures stored bottom-up, as screenshots are saved.
#pragma once

#include <cstdint>
#include <string>

namespace wizdrive {

// Bytes of one pixel row, padded to a multiple of four.
uint32_t BmpRowBytes(int width);

// File header and info header (54 bytes) of a width x height 24-bit picture; the rows
// follow bottom-up, each BmpRowBytes(width) long. Empty for sizes that cannot be stored.
std::string BmpHeaders(int width, int height);

}  // namespace wizdrive
