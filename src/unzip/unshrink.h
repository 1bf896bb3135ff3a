// Decoding of shrunk entries: LZW with codes of 9 to 13 bits and partial clearing, until the
// compressed bits are used up. Output leaves in blocks of 767 bytes.
#pragma once

#include <cstdint>

#include "unzip/decode_stream.h"

namespace unzip {

// The decoder's tables: prefixes and suffixes of codes 257 to 8,191, the free codes in the
// order definitions take them, where each code's string was last written and its length (0:
// not known), the decoding stack and the output block.
struct UnshrinkArea {
  static constexpr uint32_t kFirstCode = 257;
  static constexpr uint32_t kCodes = 7935;
  static constexpr uint32_t kOutputSize = 767;
  static constexpr uint32_t kStackSize = 8193;
  static constexpr uint32_t kSlack = 8;
  int16_t prefix[kCodes];
  uint8_t suffix[kCodes];
  uint16_t free_codes[kCodes];
  uint32_t written_at[kCodes];
  uint16_t written_length[kCodes];
  uint8_t stack[kStackSize + kSlack];
  uint8_t output[kOutputSize];
};

// Decodes through the stream's work buffer, which keeps the latest output so that a string
// written recently is copied from there instead of spelled out code by code.
DecodeResult Unshrink(DecodeStream& stream, UnshrinkArea& area, uint32_t compressed_size);

}  // namespace unzip
