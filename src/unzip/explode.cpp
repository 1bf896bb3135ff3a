#include "unzip/explode.h"

#include "unzip/huffman_table.h"
#include "unzip/match_copy.h"

namespace unzip {

namespace {

constexpr uint32_t kLiteralBits = 9;
constexpr uint32_t kLengthBits = 7;
// Larger entries get a wider distance table.
constexpr uint32_t kSmallEntryLimit = 200000;

// Reads one stored Shannon-Fano tree and builds its lookup table.
DecodeResult ReadTree(DecodeStream& s, uint32_t symbols, uint32_t root_bits, HuffmanTable& table) {
  uint8_t lengths[256];
  if (!s.Need(8)) return DecodeResult::kInputEnded;
  const uint32_t bytes = s.Take(8) + 1;
  uint32_t filled = 0;
  for (uint32_t i = 0; i < bytes; ++i) {
    if (!s.Need(8)) return DecodeResult::kInputEnded;
    const uint32_t b = s.Take(8);
    const uint32_t length = (b & 0x0F) + 1;
    const uint32_t run = (b >> 4) + 1;
    if (filled + run > symbols) return DecodeResult::kDataError;
    for (uint32_t k = 0; k < run; ++k) lengths[filled++] = static_cast<uint8_t>(length);
  }
  if (filled != symbols) return DecodeResult::kDataError;

  // Stable order by length; codes are handed out from the longest upwards.
  uint8_t order[256];
  uint32_t n = 0;
  for (uint32_t len = 1; len <= 16; ++len) {
    for (uint32_t sym = 0; sym < symbols; ++sym) {
      if (lengths[sym] == len) order[n++] = static_cast<uint8_t>(sym);
    }
  }
  uint16_t codes[256];
  uint32_t code = 0;
  uint32_t increment = 0;
  uint32_t last_length = 0;
  for (uint32_t i = symbols; i-- > 0;) {
    const uint32_t sym = order[i];
    code += increment;
    if (lengths[sym] != last_length) {
      last_length = lengths[sym];
      increment = 1u << (16 - last_length);
    }
    // A code must fit in 16 bits and sit on a boundary of its own length, or the codes would
    // not form a prefix code.
    if (code >= 0x10000 || (code & (increment - 1)) != 0) return DecodeResult::kDataError;
    codes[sym] = static_cast<uint16_t>(code >> (16 - last_length));
  }
  if (code + increment > 0x10000) return DecodeResult::kDataError;

  HuffEntry leaves[256];
  for (uint32_t sym = 0; sym < symbols; ++sym) leaves[sym] = LiteralLeaf(sym);
  BuildHuffmanTable(codes, lengths, leaves, symbols, root_bits, table);
  return DecodeResult::kOk;
}

}  // namespace

DecodeResult Explode(DecodeStream& s, const ExplodeParams& p) {
  HuffmanTable literal, length, distance;
  if (p.literal_tree) {
    if (const DecodeResult r = ReadTree(s, 256, kLiteralBits, literal); r != DecodeResult::kOk)
      return r;
  }
  if (const DecodeResult r = ReadTree(s, 64, kLengthBits, length); r != DecodeResult::kOk) return r;
  const uint32_t distance_bits = p.compressed_size > kSmallEntryLimit ? 8 : 7;
  if (const DecodeResult r = ReadTree(s, 64, distance_bits, distance); r != DecodeResult::kOk)
    return r;

  const uint32_t low_bits = p.large_dictionary ? 7 : 6;
  const uint32_t min_match = p.literal_tree ? 3 : 2;
  constexpr uint32_t kSize = DecodeStream::kWindowSize;
  uint8_t* const window = s.window();
  uint32_t left = p.size;
  while (left > 0) {
    if (s.aborted()) return DecodeResult::kAborted;
    if (!s.Need(1)) return DecodeResult::kInputEnded;
    if (s.Take(1)) {
      uint32_t byte;
      if (p.literal_tree) {
        HuffEntry e;
        if (const DecodeResult r = DecodeSymbol(s, literal, e); r != DecodeResult::kOk) return r;
        byte = EntryValue(e);
      } else {
        if (!s.Need(8)) return DecodeResult::kInputEnded;
        byte = s.Take(8);
      }
      s.PutByte(static_cast<uint8_t>(byte));
      --left;
      if (s.WindowFull() && !s.FlushWindow()) return DecodeResult::kWriteFailed;
      continue;
    }
    if (!s.Need(low_bits)) return DecodeResult::kInputEnded;
    uint32_t dist = s.Take(low_bits);
    HuffEntry e;
    if (const DecodeResult r = DecodeSymbol(s, distance, e); r != DecodeResult::kOk) return r;
    dist |= EntryValue(e) << low_bits;
    if (const DecodeResult r = DecodeSymbol(s, length, e); r != DecodeResult::kOk) return r;
    uint32_t count = EntryValue(e) + min_match;
    if (EntryValue(e) == 63) {
      if (!s.Need(8)) return DecodeResult::kInputEnded;
      count += s.Take(8);
    }
    if (count > left) count = left;
    left -= count;
    // Positions before the start of the output read as zeros: the work buffer starts zeroed.
    while (count > 0) {
      const uint32_t pos = s.position();
      const uint32_t room = kSize - pos;
      const uint32_t n = count < room ? count : room;
      CopyMatch(window, kSize, pos, dist + 1, n);
      s.set_position(pos + n);
      count -= n;
      if (s.WindowFull() && !s.FlushWindow()) return DecodeResult::kWriteFailed;
    }
  }
  return s.FlushWindow() ? DecodeResult::kOk : DecodeResult::kWriteFailed;
}

}  // namespace unzip
