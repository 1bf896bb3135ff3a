// Lookup tables for prefix codes read least significant bit first: one root table indexed by
// the next `root_bits` bits, and second-level tables for the longer codes.
#pragma once

#include <cstdint>
#include <vector>

#include "unzip/decode_stream.h"

namespace unzip {

// One table slot: bits 0-7 the code length to drop, 8-15 the kind, 16-31 the value.
using HuffEntry = uint32_t;

// Kinds of entries. kOpBase + n: a base value followed by n extra bits.
constexpr uint32_t kOpLiteral = 0;
constexpr uint32_t kOpBase = 16;
constexpr uint32_t kOpEndOfBlock = 32;
constexpr uint32_t kOpLink = 64;  // + width of the second-level table; value = its offset
constexpr uint32_t kOpInvalid = 128;

constexpr HuffEntry MakeEntry(uint32_t op, uint32_t value, uint32_t length = 0) {
  return length | op << 8 | value << 16;
}
constexpr uint32_t EntryLength(HuffEntry e) {
  return e & 0xFF;
}
constexpr uint32_t EntryOp(HuffEntry e) {
  return (e >> 8) & 0xFF;
}
constexpr uint32_t EntryValue(HuffEntry e) {
  return e >> 16;
}

struct HuffmanTable {
  std::vector<HuffEntry> slots;
  uint32_t root_bits = 0;
};

// Fills `table` for `count` symbols. `codes[i]` is the code of symbol i, most significant bit
// first, `lengths[i]` its length (0 = symbol unused, at most 16); `leaves[i]` the entry the
// symbol decodes to (length filled in here). Codes must be prefix-free; slots no code reaches
// decode as kOpInvalid.
void BuildHuffmanTable(const uint16_t* codes, const uint8_t* lengths, const HuffEntry* leaves,
                       uint32_t count, uint32_t root_bits, HuffmanTable& table);

// Canonical codes of a deflate alphabet from its lengths; false when the lengths
// over-subscribe the code space.
bool CanonicalCodes(const uint8_t* lengths, uint32_t count, uint16_t* codes);

// Decodes one symbol through the stream's bit buffer, refilling as needed (codes up to 16 bits).
DecodeResult DecodeSymbol(DecodeStream& stream, const HuffmanTable& table, HuffEntry& out);

}  // namespace unzip
