// Copying an earlier string of a circular dictionary to its write position.
#pragma once

#include <cstdint>
#include <cstring>

namespace unzip {

// Copies `length` bytes from `distance` bytes back to `pos`, where pos + length stays inside
// the window of `size` bytes (a power of two). Never writes past pos + length: the bytes
// beyond still hold older history.
inline void CopyMatch(uint8_t* window, uint32_t size, uint32_t pos, uint32_t distance,
                      uint32_t length) {
  const uint32_t from = (pos - distance) & (size - 1);
  uint8_t* out = window + pos;
  const uint8_t* in = window + from;
  if (from + length > size) {
    for (uint32_t i = 0; i < length; ++i) out[i] = window[(from + i) & (size - 1)];
    return;
  }
  if (distance >= 8 || from > pos) {
    while (length >= 8) {
      uint64_t chunk;
      std::memcpy(&chunk, in, 8);
      std::memcpy(out, &chunk, 8);
      in += 8;
      out += 8;
      length -= 8;
    }
    while (length--) *out++ = *in++;
  } else if (distance == 1) {
    std::memset(out, *in, length);
  } else {
    while (length--) *out++ = *in++;
  }
}

}  // namespace unzip
