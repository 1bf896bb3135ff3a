#include "unzip/crc32.h"

#include <array>
#include <cstring>

#include "unzip/processor_features.h"

#if defined(__i386__) || defined(__x86_64__)
#include <immintrin.h>
#define VORT_CRC_CLMUL 1
#endif

namespace unzip {

namespace {

// Eight tables so that the main loop consumes eight bytes per step.
using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr CrcTables MakeTables() {
  CrcTables t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    t[0][i] = c;
  }
  for (uint32_t i = 0; i < 256; ++i) {
    for (int k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  }
  return t;
}

constexpr CrcTables kTables = MakeTables();

uint32_t Load32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint32_t TableCrc(uint32_t crc, const uint8_t* data, size_t size) {
  while (size >= 8) {
    const uint32_t lo = Load32(data) ^ crc;
    const uint32_t hi = Load32(data + 4);
    crc = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
          kTables[4][lo >> 24] ^ kTables[3][hi & 0xFF] ^ kTables[2][(hi >> 8) & 0xFF] ^
          kTables[1][(hi >> 16) & 0xFF] ^ kTables[0][hi >> 24];
    data += 8;
    size -= 8;
  }
  while (size--) crc = (crc >> 8) ^ kTables[0][(crc ^ *data++) & 0xFF];
  return crc;
}

#ifdef VORT_CRC_CLMUL

// Folding with carry-less multiplication: 64 bytes a step in four 16-byte lanes, each
// multiplied forward by x^512 and added to the next block; the lanes are then folded into one,
// and what is left (16 bytes of remainder and the tail) goes through the tables. The constants
// are x^k mod P bit-reflected for the reflected polynomial: k = 512 +- 32 for a step of four
// lanes, 128 +- 32 for one.
constexpr size_t kClmulMinimum = 128;

__attribute__((target("sse2"))) __m128i Load(const uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

__attribute__((target("pclmul,sse2"))) __m128i Fold(__m128i acc, __m128i k, __m128i next) {
  const __m128i lo = _mm_clmulepi64_si128(acc, k, 0x00);
  const __m128i hi = _mm_clmulepi64_si128(acc, k, 0x11);
  return _mm_xor_si128(_mm_xor_si128(lo, hi), next);
}

__attribute__((target("pclmul,sse2"))) uint32_t ClmulCrc(uint32_t crc, const uint8_t* data,
                                                         size_t size) {
  const __m128i k4 =
      _mm_set_epi32(0x1, static_cast<int>(0xC6E41596u), 0x1, static_cast<int>(0x54442BD4u));
  const __m128i k1 =
      _mm_set_epi32(0x0, static_cast<int>(0xCCAA009Eu), 0x1, static_cast<int>(0x751997D0u));
  __m128i a = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i b = Load(data + 16);
  __m128i c = Load(data + 32);
  __m128i d = Load(data + 48);
  data += 64;
  size -= 64;
  while (size >= 64) {
    a = Fold(a, k4, Load(data));
    b = Fold(b, k4, Load(data + 16));
    c = Fold(c, k4, Load(data + 32));
    d = Fold(d, k4, Load(data + 48));
    data += 64;
    size -= 64;
  }
  a = Fold(a, k1, b);
  a = Fold(a, k1, c);
  a = Fold(a, k1, d);
  while (size >= 16) {
    a = Fold(a, k1, Load(data));
    data += 16;
    size -= 16;
  }
  uint8_t rest[16];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(rest), a);
  return TableCrc(TableCrc(0, rest, sizeof rest), data, size);
}

#endif

}  // namespace

uint32_t UpdateCrc32(uint32_t crc, const uint8_t* data, size_t size) {
#ifdef VORT_CRC_CLMUL
  static const bool clmul = ProcessorHas(bit_PCLMUL, bit_SSE2);
  if (clmul && size >= kClmulMinimum) return ClmulCrc(crc, data, size);
#endif
  return TableCrc(crc, data, size);
}

}  // namespace unzip
