#include "unzip/inflate.h"

#include <cstddef>
#include <cstring>

#include "unzip/huffman_table.h"
#include "unzip/match_copy.h"
#include "unzip/processor_features.h"

namespace unzip {

namespace {

constexpr uint32_t kWindowMask = DecodeStream::kWindowSize - 1;
constexpr uint32_t kMaxMatch = 258;
// Room the inner loop keeps at the end of the work buffer: a longest match and the words a
// near match may run past its end.
constexpr uint32_t kFastRoom = kMaxMatch + kCopyOverrun;

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistanceBase[30] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                          11, 4,  12, 3, 13, 2, 14, 1, 15};

struct Leaves {
  HuffEntry literal[288];
  HuffEntry distance[32];
  HuffEntry code_length[19];
};

constexpr Leaves MakeLeaves() {
  Leaves l{};
  for (uint32_t s = 0; s < 256; ++s) l.literal[s] = LiteralLeaf(s);
  l.literal[256] = kEndLeaf;
  for (uint32_t s = 257; s < 286; ++s)
    l.literal[s] = BaseLeaf(kLengthBase[s - 257], kLengthExtra[s - 257]);
  l.literal[286] = l.literal[287] = kInvalidLeaf;
  for (uint32_t s = 0; s < 30; ++s) l.distance[s] = BaseLeaf(kDistanceBase[s], kDistanceExtra[s]);
  l.distance[30] = l.distance[31] = kInvalidLeaf;
  for (uint32_t s = 0; s < 19; ++s) l.code_length[s] = LiteralLeaf(s);
  return l;
}

constexpr Leaves kLeaves = MakeLeaves();

// Lookup widths of literal/length and distance codes, the same for fixed and dynamic blocks so
// that the inner loop masks with constants: at 11 and 8 bits, second-level lookups are rare.
constexpr uint32_t kLiteralBits = 11;
constexpr uint32_t kDistanceBits = 8;
constexpr uint32_t kCodeLengthBits = 7;

// The inner loop runs while this much input is left in the block: enough for every refill of
// one step (two words in a 64-bit build, three in a 32-bit one), so that none reads past it.
constexpr ptrdiff_t kFastInput = 16;

// Matches that overlap their own bytes or wrap around the work buffer: few, and kept out of the
// inner loop so that its registers stay with the bit buffer.
[[gnu::noinline]] void CopyNearOrWrappingMatch(uint8_t* window, uint32_t pos, uint32_t distance,
                                               uint32_t length) {
  CopyMatch(window, DecodeStream::kWindowSize, pos, distance, length);
}

class Inflater {
 public:
  Inflater(DecodeStream& s, InflateTables& t) : s_(s), t_(t) {}

  DecodeResult Run() {
    bool last = false;
    do {
      if (!s_.Need(3)) return DecodeResult::kInputEnded;
      last = s_.Take(1) != 0;
      DecodeResult r;
      switch (s_.Take(2)) {
        case 0:
          r = Stored();
          break;
        case 1:
          r = Fixed();
          break;
        case 2:
          r = Dynamic();
          break;
        default:
          return DecodeResult::kDataError;
      }
      if (r != DecodeResult::kOk) return r;
      if (s_.aborted()) return DecodeResult::kAborted;
    } while (!last);
    return s_.FlushWindow() ? DecodeResult::kOk : DecodeResult::kWriteFailed;
  }

 private:
  DecodeResult Stored() {
    s_.AlignToByte();
    if (!s_.Need(16)) return DecodeResult::kInputEnded;
    uint32_t length = s_.Take(16);
    if (!s_.Need(16)) return DecodeResult::kInputEnded;
    if (length != (~s_.Take(16) & 0xFFFF)) return DecodeResult::kDataError;
    while (length > 0) {
      const uint32_t room = DecodeStream::kWindowSize - s_.position();
      const uint32_t want = length < room ? length : room;
      const uint32_t got = s_.ReadAlignedBytes(s_.window() + s_.position(), want);
      s_.set_position(s_.position() + got);
      length -= got;
      if (s_.WindowFull() && !s_.FlushWindow()) return DecodeResult::kWriteFailed;
      if (s_.aborted()) return DecodeResult::kAborted;
      if (got < want) return DecodeResult::kInputEnded;
    }
    return DecodeResult::kOk;
  }

  DecodeResult Fixed() {
    if (t_.fixed_literal.slots.empty()) {
      uint8_t lengths[288 + 32];
      uint16_t codes[288 + 32];
      std::memset(lengths, 8, 144);
      std::memset(lengths + 144, 9, 112);
      std::memset(lengths + 256, 7, 24);
      std::memset(lengths + 280, 8, 8);
      std::memset(lengths + 288, 5, 32);
      CanonicalCodes(lengths, 288, codes);
      CanonicalCodes(lengths + 288, 32, codes + 288);
      BuildHuffmanTable(codes, lengths, kLeaves.literal, 288, kLiteralBits, t_.fixed_literal,
                        ExtraBits::kFolded);
      BuildHuffmanTable(codes + 288, lengths + 288, kLeaves.distance, 32, kDistanceBits,
                        t_.fixed_distance);
    }
    return Codes(t_.fixed_literal, t_.fixed_distance);
  }

  DecodeResult Dynamic() {
    if (!s_.Need(14)) return DecodeResult::kInputEnded;
    const uint32_t literals = s_.Take(5) + 257;
    const uint32_t distances = s_.Take(5) + 1;
    const uint32_t code_lengths = s_.Take(4) + 4;
    if (literals > 288 || distances > 32) return DecodeResult::kOversizedHeader;

    uint8_t lengths[288 + 32] = {};
    uint16_t codes[288 + 32] = {};
    for (uint32_t i = 0; i < code_lengths; ++i) {
      if (!s_.Need(3)) return DecodeResult::kInputEnded;
      lengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(s_.Take(3));
    }
    if (!CanonicalCodes(lengths, 19, codes)) return DecodeResult::kDataError;
    BuildHuffmanTable(codes, lengths, kLeaves.code_length, 19, kCodeLengthBits, t_.code_length);

    const uint32_t total = literals + distances;
    uint32_t i = 0;
    while (i < total) {
      HuffEntry e;
      if (const DecodeResult r = Decode(t_.code_length, e); r != DecodeResult::kOk) return r;
      const uint32_t symbol = EntryValue(e);
      if (symbol < 16) {
        lengths[i++] = static_cast<uint8_t>(symbol);
        continue;
      }
      uint32_t repeat;
      uint8_t value = 0;
      if (symbol == 16) {
        if (i == 0) return DecodeResult::kDataError;
        if (!s_.Need(2)) return DecodeResult::kInputEnded;
        repeat = 3 + s_.Take(2);
        value = lengths[i - 1];
      } else if (symbol == 17) {
        if (!s_.Need(3)) return DecodeResult::kInputEnded;
        repeat = 3 + s_.Take(3);
      } else {
        if (!s_.Need(7)) return DecodeResult::kInputEnded;
        repeat = 11 + s_.Take(7);
      }
      if (i + repeat > total)
        return symbol == 18 ? DecodeResult::kDataError : DecodeResult::kOversizedHeader;
      std::memset(lengths + i, value, repeat);
      i += repeat;
    }
    // Without an end-of-block code the block could never end.
    if (lengths[256] == 0) return DecodeResult::kDataError;
    std::memset(codes, 0, sizeof codes);
    if (!CanonicalCodes(lengths, literals, codes) ||
        !CanonicalCodes(lengths + literals, distances, codes + literals)) {
      return DecodeResult::kDataError;
    }
    BuildHuffmanTable(codes, lengths, kLeaves.literal, literals, kLiteralBits, t_.literal,
                      ExtraBits::kFolded);
    BuildHuffmanTable(codes + literals, lengths + literals, kLeaves.distance, distances,
                      kDistanceBits, t_.distance);
    return Codes(t_.literal, t_.distance);
  }

  DecodeResult Decode(const HuffmanTable& t, HuffEntry& out) { return DecodeSymbol(s_, t, out); }

  DecodeResult Codes(const HuffmanTable& literal, const HuffmanTable& distance) {
    uint8_t* const window = s_.window();
    for (;;) {
      if (s_.end() - s_.next() >= kFastInput &&
          s_.position() <= DecodeStream::kWindowSize - kFastRoom) {
        DecodeResult r;
        if (FastCodes(literal, distance, r)) return r;
        continue;
      }
      HuffEntry e;
      if (const DecodeResult r = Decode(literal, e); r != DecodeResult::kOk) return r;
      if (e & kEntryLiteral) {
        s_.PutByte(static_cast<uint8_t>(EntryValue(e)));
        if (s_.WindowFull() && !s_.FlushWindow()) return DecodeResult::kWriteFailed;
        continue;
      }
      if (e & kEntryEnd) return DecodeResult::kOk;
      // The literal/length tables fold a length's extra bits into its code.
      uint32_t length = EntryValue(e);
      if (const DecodeResult r = Decode(distance, e); r != DecodeResult::kOk) return r;
      uint32_t dist = EntryValue(e);
      if (!s_.Need(EntryExtraBits(e))) return DecodeResult::kInputEnded;
      dist += s_.Take(EntryExtraBits(e));
      uint32_t pos = s_.position();
      while (length--) {
        window[pos] = window[(pos - dist) & kWindowMask];
        if (++pos == DecodeStream::kWindowSize) {
          s_.set_position(pos);
          if (!s_.FlushWindow()) return DecodeResult::kWriteFailed;
          pos = 0;
        }
      }
      s_.set_position(pos);
      if (s_.aborted()) return DecodeResult::kAborted;
    }
  }

  // The inner loop: runs while enough input and a longest match of room remain. True when the
  // block ended or failed, with `result` saying which.
  bool FastCodes(const HuffmanTable& literal, const HuffmanTable& distance, DecodeResult& result) {
#if defined(__i386__)
    // The 32-bit build's baseline moves 4 bytes at a time; with SSE2, the copies of matches and
    // of the bytes they run past take a quarter of the moves. Processors of Windows XP's time
    // may lack it.
    static const bool sse2 = ProcessorHas(0, bit_SSE2);
    if (sse2) return FastCodesSse2(literal, distance, result);
#endif
    return FastLoop(literal, distance, result);
  }

#if defined(__i386__)
  __attribute__((target("sse2"))) bool FastCodesSse2(const HuffmanTable& literal,
                                                     const HuffmanTable& distance,
                                                     DecodeResult& result) {
    return FastLoop(literal, distance, result);
  }
#endif

  [[gnu::always_inline]] bool FastLoop(const HuffmanTable& literal, const HuffmanTable& distance,
                                       DecodeResult& result) {
    using BitWord = DecodeStream::BitWord;
    constexpr uint32_t kWordBits = DecodeStream::kWordBits;
    constexpr uint32_t kRefillBits = DecodeStream::kRefillBits;
    // A 64-bit buffer holds a length and a distance with all their bits after one refill. A
    // 32-bit one holds 24 to 31 bits that a step may count on, and every one of its 32 bits is
    // input (the top ones the start of the next byte): a lookup may read past `count` as long
    // as no more than 32 bits are taken between refills and `count` never goes below zero.
    constexpr bool kWide = kRefillBits >= 15 + 5 + 15 + 13;
    BitWord bits = s_.bits_ref();
    uint32_t count = s_.count_ref();
    const uint8_t* in = s_.next();
    const uint8_t* const in_last = s_.end() - kFastInput;
    uint8_t* const window = s_.window();
    uint8_t* out = window + s_.position();
    uint8_t* const out_last = window + DecodeStream::kWindowSize - kFastRoom;
    const HuffEntry* const lt = literal.slots.data();
    const HuffEntry* const dt = distance.slots.data();
    constexpr uint32_t lroot = kLiteralBits;
    constexpr uint32_t droot = kDistanceBits;
    constexpr BitWord lmask = (BitWord{1} << lroot) - 1;
    constexpr BitWord dmask = (BitWord{1} << droot) - 1;
    const auto refill = [&] {
      bits |= DecodeStream::LoadWord(in) << count;
      in += (kWordBits - 1 - count) >> 3;
      count |= kRefillBits;
    };
    const auto drop = [&](uint32_t n) {
      bits >>= n;
      count -= n;
    };
    // A base value plus the extra bits after its code.
    const auto value = [&](HuffEntry e) {
      return EntryValue(e) + (static_cast<uint32_t>(bits & ((BitWord{1} << EntryBits(e)) - 1)) >>
                              EntryCodeLength(e));
    };
    const auto sub = [&](const HuffEntry* table, HuffEntry link) {
      return table[EntryValue(link) +
                   static_cast<uint32_t>(bits & ((BitWord{1} << EntryCodeLength(link)) - 1))];
    };
    bool done = false;

    // Each step starts with the entry of the next code already looked up, so that the lookup
    // overlaps the copy of the match before it. A 64-bit buffer refills at the top of a step; a
    // 32-bit one at its end, and within it only before a distance's extra bits and after the
    // rare codes that go past the first lookup.
    refill();
    HuffEntry e = lt[bits & lmask];
    for (;;) {
      if (in > in_last) [[unlikely]]
        break;
      if (out > out_last) [[unlikely]]
        break;
      if constexpr (kWide) refill();
      if (e & kEntryLiteral) {
        // Root literals have at most 11 bits: after a refill, a 64-bit buffer holds three and
        // the lookup after them, a 32-bit one a literal and the lookup after it.
        *out++ = static_cast<uint8_t>(EntryValue(e));
        drop(EntryShift(e));
        e = lt[bits & lmask];
        if constexpr (kWide) {
          if (e & kEntryLiteral) {
            *out++ = static_cast<uint8_t>(EntryValue(e));
            drop(EntryShift(e));
            e = lt[bits & lmask];
            if (e & kEntryLiteral) {
              *out++ = static_cast<uint8_t>(EntryValue(e));
              drop(EntryShift(e));
              e = lt[bits & lmask];
            }
          }
        } else {
          refill();
        }
        continue;
      }
      if (e & kEntryLink) {
        drop(lroot);
        e = sub(lt, e);
        if (e & kEntryLiteral) {
          *out++ = static_cast<uint8_t>(EntryValue(e));
          drop(EntryShift(e));
          // A long literal code may leave a 32-bit buffer short of a root lookup.
          if constexpr (!kWide) refill();
          e = lt[bits & lmask];
          continue;
        }
        // Up to 20 bits of a long length: the distance's second lookup would take the buffer
        // past 32.
        if constexpr (!kWide) refill();
      }
      if (e & (kEntryEnd | kEntryInvalid)) {
        drop(EntryShift(e));
        result = (e & kEntryEnd) ? DecodeResult::kOk : DecodeResult::kDataError;
        done = true;
        break;
      }
      // The length's extra bits are part of its code.
      const uint32_t length = EntryValue(e);
      drop(EntryShift(e));

      e = dt[bits & dmask];
      if (e & kEntryLink) {
        drop(droot);
        e = sub(dt, e);
      }
      if (e & kEntryInvalid) {
        result = DecodeResult::kDataError;
        done = true;
        break;
      }
      if constexpr (kWide) {
        // Rarely short: the next code is looked up before the refill at the top of the loop,
        // so that the two overlap.
        if (count < EntryBits(e) + lroot) refill();
      } else {
        if (count < EntryBits(e)) refill();
      }
      const uint32_t dist = value(e);
      drop(EntryShift(e));
      if constexpr (!kWide) refill();
      e = lt[bits & lmask];
      // Most matches copy by words: those at least 8 bytes back in this pass of the work
      // buffer, and those in the older history ahead that neither meet the bytes written nor
      // reach the buffer's end.
      const uint32_t pos = static_cast<uint32_t>(out - window);
      const uint32_t from = (pos - dist) & kWindowMask;
      if (from < pos ? dist >= 8
                     : from >= pos + length + kCopyOverrun &&
                           from + length + kCopyOverrun <= DecodeStream::kWindowSize) {
        CopyMatchWords(out, window + from, length);
      } else {
        CopyNearOrWrappingMatch(window, pos, dist, length);
      }
      out += length;
    }
    s_.bits_ref() = bits;
    s_.count_ref() = count;
    s_.next() = in;
    s_.set_position(static_cast<uint32_t>(out - window));
    // A last match may have filled the work buffer to the brim.
    if (s_.WindowFull() && !s_.FlushWindow()) {
      result = DecodeResult::kWriteFailed;
      return true;
    }
    return done;
  }

  DecodeStream& s_;
  InflateTables& t_;
};

}  // namespace

DecodeResult Inflate(DecodeStream& stream, InflateTables& tables) {
  return Inflater(stream, tables).Run();
}

DecodeResult Inflate(DecodeStream& stream) {
  InflateTables tables;
  return Inflate(stream, tables);
}

}  // namespace unzip
