#include "unzip/huffman_table.h"

namespace unzip {

namespace {

// The low `length` bits of `code` (at most 16) in reverse order, by swapping halves, bytes,
// nibbles, pairs and bits.
uint32_t Reverse(uint32_t code, uint32_t length) {
  uint32_t r = code & 0xFFFF;
  r = (r >> 8 & 0x00FF) | (r & 0x00FF) << 8;
  r = (r >> 4 & 0x0F0F) | (r & 0x0F0F) << 4;
  r = (r >> 2 & 0x3333) | (r & 0x3333) << 2;
  r = (r >> 1 & 0x5555) | (r & 0x5555) << 1;
  return r >> (16 - length);
}

// The code length counts in the entry's length and in its total.
HuffEntry WithLength(HuffEntry leaf, uint32_t length) {
  return leaf + (length << 8) + length;
}

constexpr HuffEntry kEntryKinds = kEntryLiteral | kEntryEnd | kEntryLink | kEntryInvalid;

// Calls visit(reversed code, length, leaf) for every code of the table; with folded extra bits,
// a base value's code stands for one code per value of its extra bits, which follow it.
template <typename Visit>
void ForEachCode(const uint16_t* codes, const uint8_t* lengths, const HuffEntry* leaves,
                 uint32_t count, ExtraBits extra, Visit visit) {
  for (uint32_t s = 0; s < count; ++s) {
    const uint32_t len = lengths[s];
    if (len == 0) continue;
    const uint32_t rev = Reverse(codes[s], len);
    const HuffEntry leaf = leaves[s];
    const uint32_t folded =
        extra == ExtraBits::kFolded && !(leaf & kEntryKinds) ? EntryBits(leaf) : 0;
    if (folded == 0) {
      visit(rev, len, leaf);
      continue;
    }
    for (uint32_t v = 0; v < (1u << folded); ++v)
      visit(rev | v << len, len + folded, BaseLeaf(EntryValue(leaf) + v, 0));
  }
}

}  // namespace

void BuildHuffmanTable(const uint16_t* codes, const uint8_t* lengths, const HuffEntry* leaves,
                       uint32_t count, uint32_t root_bits, HuffmanTable& table, ExtraBits extra) {
  const uint32_t root_size = 1u << root_bits;
  const uint32_t root_mask = root_size - 1;
  // Width of the second-level table under each root slot, and the slots that have one (few:
  // only codes longer than the root reach them).
  uint8_t widths[1u << kMaxRootBits] = {};
  uint16_t linked[1u << kMaxRootBits];
  uint32_t linked_count = 0;
  uint32_t longest = 16;
  ForEachCode(codes, lengths, leaves, count, extra, [&](uint32_t rev, uint32_t len, HuffEntry) {
    if (len > longest) longest = len;
    if (len <= root_bits) return;
    const uint32_t slot = rev & root_mask;
    if (!widths[slot]) linked[linked_count++] = static_cast<uint16_t>(slot);
    if (len - root_bits > widths[slot]) widths[slot] = static_cast<uint8_t>(len - root_bits);
  });
  uint32_t total = root_size;
  for (uint32_t i = 0; i < linked_count; ++i) total += 1u << widths[linked[i]];
  table.root_bits = root_bits;
  table.longest = longest;
  table.slots.assign(total, kInvalidLeaf);
  uint32_t offset = root_size;
  for (uint32_t i = 0; i < linked_count; ++i) {
    const uint32_t slot = linked[i];
    table.slots[slot] = offset << 16 | kEntryLink | uint32_t{widths[slot]} << 8 | root_bits;
    offset += 1u << widths[slot];
  }
  HuffEntry* slots = table.slots.data();
  ForEachCode(codes, lengths, leaves, count, extra,
              [&](uint32_t rev, uint32_t len, HuffEntry leaf) {
                if (len <= root_bits) {
                  const HuffEntry e = WithLength(leaf, len);
                  for (uint32_t i = rev; i < root_size; i += 1u << len) slots[i] = e;
                } else {
                  const HuffEntry link = slots[rev & root_mask];
                  const uint32_t width = EntryCodeLength(link);
                  HuffEntry* sub = slots + EntryValue(link);
                  const uint32_t sub_len = len - root_bits;
                  const HuffEntry e = WithLength(leaf, sub_len);
                  for (uint32_t i = rev >> root_bits; i < (1u << width); i += 1u << sub_len)
                    sub[i] = e;
                }
              });
}

bool CanonicalCodes(const uint8_t* lengths, uint32_t count, uint16_t* codes) {
  uint32_t per_length[17] = {};
  for (uint32_t s = 0; s < count; ++s) per_length[lengths[s]]++;
  per_length[0] = 0;
  int32_t left = 1;
  for (int len = 1; len <= 16; ++len) {
    left = left * 2 - static_cast<int32_t>(per_length[len]);
    if (left < 0) return false;
  }
  uint32_t next[17] = {};
  uint32_t code = 0;
  for (int len = 1; len <= 16; ++len) {
    code = (code + per_length[len - 1]) << 1;
    next[len] = code;
  }
  for (uint32_t s = 0; s < count; ++s) {
    if (lengths[s]) codes[s] = static_cast<uint16_t>(next[lengths[s]]++);
  }
  return true;
}

DecodeResult DecodeSymbol(DecodeStream& s, const HuffmanTable& t, HuffEntry& out) {
  if (s.bit_count() < t.longest) s.Refill();
  if (s.aborted()) return DecodeResult::kAborted;
  HuffEntry e = t.slots[s.Peek(t.root_bits)];
  if (e & kEntryLink) {
    if (s.bit_count() < t.root_bits) return DecodeResult::kInputEnded;
    s.Drop(t.root_bits);
    e = t.slots[EntryValue(e) + s.Peek(EntryCodeLength(e))];
  }
  if (EntryCodeLength(e) > s.bit_count()) return DecodeResult::kInputEnded;
  if (e & kEntryInvalid) return DecodeResult::kDataError;
  s.Drop(EntryCodeLength(e));
  out = e;
  return DecodeResult::kOk;
}

}  // namespace unzip
