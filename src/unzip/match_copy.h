// Copying an earlier string of a circular dictionary to its write position.
#pragma once

#include <cstdint>
#include <cstring>

namespace unzip {

namespace match_copy_detail {

inline void Copy8(uint8_t* out, const uint8_t* in) {
  uint64_t chunk;
  std::memcpy(&chunk, in, 8);
  std::memcpy(out, &chunk, 8);
}

inline void Copy4(uint8_t* out, const uint8_t* in) {
  uint32_t chunk;
  std::memcpy(&chunk, in, 4);
  std::memcpy(out, &chunk, 4);
}

}  // namespace match_copy_detail

// Copies `length` bytes from `distance` bytes back to `pos`, where pos + length stays inside
// the window of `size` bytes (a power of two). Never writes past pos + length: the bytes
// beyond still hold older history.
inline void CopyMatch(uint8_t* window, uint32_t size, uint32_t pos, uint32_t distance,
                      uint32_t length) {
  using match_copy_detail::Copy4;
  using match_copy_detail::Copy8;
  const uint32_t from = (pos - distance) & (size - 1);
  uint8_t* out = window + pos;
  const uint8_t* in = window + from;
  if (from + length > size) {
    for (uint32_t i = 0; i < length; ++i) out[i] = window[(from + i) & (size - 1)];
    return;
  }
  if (from < pos && distance >= 8) {
    // Word by word, each reading only bytes already final; the last word ends exactly at the
    // end of the match, rewriting a few bytes with the values they already have.
    if (length >= 8) {
      uint8_t* const end = out + length;
      while (end - out > 8) {
        Copy8(out, in);
        out += 8;
        in += 8;
      }
      Copy8(end - 8, in - (out - (end - 8)));
    } else if (length >= 4) {
      Copy4(out, in);
      Copy4(out + length - 4, in + length - 4);
    } else {
      while (length--) *out++ = *in++;
    }
    return;
  }
  if (from > pos) {
    // The source lies ahead, in older history: forward words never overtake it.
    while (length >= 8) {
      Copy8(out, in);
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

// Copies `length` bytes (at least one) from `in` to `out` by whole words, writing up to 7 bytes
// past the end and reading up to 7 past the source's. The source must lie at least 8 bytes
// behind `out`, or not meet the bytes written.
inline void CopyWordsPast(uint8_t* out, const uint8_t* in, uint32_t length) {
  uint8_t* const end = out + length;
  do {
    match_copy_detail::Copy8(out, in);
    out += 8;
    in += 8;
  } while (out < end);
}

// Bytes CopyMatchWords may write past the end of a match (and puts back).
constexpr uint32_t kCopyOverrun = 16;

// Copies `length` bytes from `in` to `out` by whole words, running up to kCopyOverrun bytes past
// the end, then puts back the bytes there (older history that later matches may still read).
// The first two words go unconditionally: most matches are that short, and a loop would guess
// its end wrongly for many of them. The source must be readable kCopyOverrun bytes past its end
// and lie either at least 8 bytes behind `out` or wholly ahead of the bytes written.
inline void CopyMatchWords(uint8_t* out, const uint8_t* in, uint32_t length) {
  using match_copy_detail::Copy8;
  uint8_t* const end = out + length;
  uint64_t kept[2];
  std::memcpy(kept, end, sizeof kept);
  Copy8(out, in);
  Copy8(out + 8, in + 8);
  if (length > 16) CopyWordsPast(out + 16, in + 16, length - 16);
  std::memcpy(end, kept, sizeof kept);
}

}  // namespace unzip
