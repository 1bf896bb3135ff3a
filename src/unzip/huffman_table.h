// Lookup tables for prefix codes read least significant bit first: one root table indexed by
// the next `root_bits` bits, and second-level tables for the longer codes.
#pragma once

#include <cstdint>
#include <vector>

#include "unzip/decode_stream.h"

namespace unzip {

// One table slot. Bits 0-4: the bits the slot consumes in all, its code and, for a base
// value, the extra bits that follow it, so that a decoder takes both in one step; bit 5 stays
// clear, so that a shift by the entry needs no mask. Bits 8-12: the code length alone (for a
// link, the width of the second-level table). Bits 6, 7, 13 and 14: the kind. Bits 16-31:
// the value (a literal, a base value, or the offset a link leads to).
using HuffEntry = uint32_t;

// Kinds of entries; an entry with none of them is a base value followed by extra bits.
constexpr HuffEntry kEntryLiteral = 1u << 7;
constexpr HuffEntry kEntryEnd = 1u << 6;
constexpr HuffEntry kEntryLink = 1u << 13;
constexpr HuffEntry kEntryInvalid = 1u << 14;

constexpr HuffEntry LiteralLeaf(uint32_t value) {
  return value << 16 | kEntryLiteral;
}
constexpr HuffEntry BaseLeaf(uint32_t value, uint32_t extra_bits) {
  return value << 16 | extra_bits;
}
constexpr HuffEntry kEndLeaf = kEntryEnd;
constexpr HuffEntry kInvalidLeaf = kEntryInvalid;

constexpr uint32_t EntryBits(HuffEntry e) {
  return e & 31;
}
// The same where the result only serves as a shift count of a 32- or 64-bit value, which the
// processor masks anyway: with bit 5 clear, the compiler can leave the mask out.
constexpr uint32_t EntryShift(HuffEntry e) {
  return e & 63;
}
constexpr uint32_t EntryCodeLength(HuffEntry e) {
  return (e >> 8) & 31;
}
constexpr uint32_t EntryExtraBits(HuffEntry e) {
  return EntryBits(e) - EntryCodeLength(e);
}
constexpr uint32_t EntryValue(HuffEntry e) {
  return e >> 16;
}

// The widest root table a decoder asks for.
constexpr uint32_t kMaxRootBits = 11;

struct HuffmanTable {
  std::vector<HuffEntry> slots;
  uint32_t root_bits = 0;
  // Bits a decode refills for: the longest code, extra bits included where they are folded in,
  // and never fewer than 16, so that tables of shorter codes refill where they always have.
  uint32_t longest = 16;
};

// How a table treats the extra bits of base values: left to the decoder, or folded into the
// codes, each base value becoming one leaf per value of its extra bits (a code then reaches
// up to 16 + 5 bits: deflate's lengths).
enum class ExtraBits : uint8_t { kSeparate, kFolded };

// Fills `table` for `count` symbols. `codes[i]` is the code of symbol i, most significant bit
// first, `lengths[i]` its length (0 = symbol unused, at most 16); `leaves[i]` the entry the
// symbol decodes to (the code length is added here). Codes must be prefix-free; slots no code
// reaches decode as invalid. `root_bits` is at most kMaxRootBits.
void BuildHuffmanTable(const uint16_t* codes, const uint8_t* lengths, const HuffEntry* leaves,
                       uint32_t count, uint32_t root_bits, HuffmanTable& table,
                       ExtraBits extra = ExtraBits::kSeparate);

// Canonical codes of a deflate alphabet from its lengths; false when the lengths
// over-subscribe the code space.
bool CanonicalCodes(const uint8_t* lengths, uint32_t count, uint16_t* codes);

// Decodes one symbol through the stream's bit buffer, refilling as needed; only the code is
// consumed, not the extra bits of a base value (unless the table folds them in).
DecodeResult DecodeSymbol(DecodeStream& stream, const HuffmanTable& table, HuffEntry& out);

}  // namespace unzip
