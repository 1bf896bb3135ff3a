// CRC-32 as ZIP uses it (reflected polynomial EDB88320).
#pragma once

#include <cstddef>
#include <cstdint>

namespace unzip {

constexpr uint32_t kCrcInitial = 0xFFFFFFFFu;

// Advances a running CRC (not complemented) over `size` bytes.
uint32_t UpdateCrc32(uint32_t crc, const uint8_t* data, size_t size);

// The finished CRC-32 of a whole buffer.
inline uint32_t Crc32(const uint8_t* data, size_t size) {
  return ~UpdateCrc32(kCrcInitial, data, size);
}

}  // namespace unzip
