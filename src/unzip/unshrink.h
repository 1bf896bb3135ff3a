// Decoding of shrunk entries: LZW with codes of 9 to 13 bits and partial clearing, until the
// compressed bits are used up. Output leaves through a 767-byte buffer.
#pragma once

#include <cstdint>

#include "unzip/decode_stream.h"

namespace unzip {

// The decoder's tables: prefixes and suffixes of codes 257 to 8,192, the decoding stack and
// the output buffer (48,640 bytes).
struct UnshrinkArea {
  static constexpr uint32_t kFirstCode = 257;
  static constexpr uint32_t kCodes = 7936;
  static constexpr uint32_t kOutputSize = 767;
  int32_t prefix[kCodes];
  uint8_t suffix[kCodes];
  uint8_t stack[8193];
  uint8_t output[kOutputSize];
};

DecodeResult Unshrink(DecodeStream& stream, UnshrinkArea& area, uint32_t compressed_size);

}  // namespace unzip
