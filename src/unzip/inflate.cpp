#include "unzip/inflate.h"

#include <cstring>

#include "unzip/huffman_table.h"
#include "unzip/match_copy.h"
#include "unzip/unzip_report.h"

namespace unzip {

namespace {

constexpr uint32_t kWindowMask = DecodeStream::kWindowSize - 1;
constexpr uint32_t kMaxMatch = 258;

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
  for (uint32_t s = 0; s < 256; ++s) l.literal[s] = MakeEntry(kOpLiteral, s);
  l.literal[256] = MakeEntry(kOpEndOfBlock, 0);
  for (uint32_t s = 257; s < 286; ++s)
    l.literal[s] = MakeEntry(kOpBase + kLengthExtra[s - 257], kLengthBase[s - 257]);
  l.literal[286] = l.literal[287] = MakeEntry(kOpInvalid, 0);
  for (uint32_t s = 0; s < 30; ++s)
    l.distance[s] = MakeEntry(kOpBase + kDistanceExtra[s], kDistanceBase[s]);
  l.distance[30] = l.distance[31] = MakeEntry(kOpInvalid, 0);
  for (uint32_t s = 0; s < 19; ++s) l.code_length[s] = MakeEntry(kOpLiteral, s);
  return l;
}

constexpr Leaves kLeaves = MakeLeaves();

// Lookup widths: 7 and 5 bits for the fixed codes, 9 and 6 bits for dynamic ones.
constexpr uint32_t kFixedLiteralBits = 7;
constexpr uint32_t kFixedDistanceBits = 5;
constexpr uint32_t kDynamicLiteralBits = 9;
constexpr uint32_t kDynamicDistanceBits = 6;
constexpr uint32_t kCodeLengthBits = 7;

bool IsBase(uint32_t op) {
  return op >= kOpBase && op < kOpEndOfBlock;
}

class Inflater {
 public:
  explicit Inflater(DecodeStream& s) : s_(s) {}

  int32_t Run() {
    bool last = false;
    do {
      if (!s_.Need(3)) return kUnzipReadError;
      last = s_.Take(1) != 0;
      int32_t r;
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
          return kUnzipFormatError;
      }
      if (r != kUnzipOk) return r;
      if (s_.aborted()) return kUnzipAborted;
    } while (!last);
    return s_.FlushWindow() ? kUnzipOk : kUnzipWriteError;
  }

 private:
  int32_t Stored() {
    s_.AlignToByte();
    if (!s_.Need(32)) return kUnzipReadError;
    uint32_t length = s_.Take(16);
    if (length != (~s_.Take(16) & 0xFFFF)) return kUnzipFormatError;
    while (length > 0) {
      const uint32_t room = DecodeStream::kWindowSize - s_.position();
      const uint32_t want = length < room ? length : room;
      const uint32_t got = s_.ReadAlignedBytes(s_.window() + s_.position(), want);
      s_.set_position(s_.position() + got);
      length -= got;
      if (s_.WindowFull() && !s_.FlushWindow()) return kUnzipWriteError;
      if (s_.aborted()) return kUnzipAborted;
      if (got < want) return kUnzipReadError;
    }
    return kUnzipOk;
  }

  int32_t Fixed() {
    if (fixed_literal_.slots.empty()) {
      uint8_t lengths[288 + 32];
      uint16_t codes[288 + 32];
      std::memset(lengths, 8, 144);
      std::memset(lengths + 144, 9, 112);
      std::memset(lengths + 256, 7, 24);
      std::memset(lengths + 280, 8, 8);
      std::memset(lengths + 288, 5, 32);
      CanonicalCodes(lengths, 288, codes);
      CanonicalCodes(lengths + 288, 32, codes + 288);
      BuildHuffmanTable(codes, lengths, kLeaves.literal, 288, kFixedLiteralBits, fixed_literal_);
      BuildHuffmanTable(codes + 288, lengths + 288, kLeaves.distance, 32, kFixedDistanceBits,
                        fixed_distance_);
    }
    return Codes(fixed_literal_, fixed_distance_);
  }

  int32_t Dynamic() {
    if (!s_.Need(14)) return kUnzipReadError;
    const uint32_t literals = s_.Take(5) + 257;
    const uint32_t distances = s_.Take(5) + 1;
    const uint32_t code_lengths = s_.Take(4) + 4;
    if (literals > 288 || distances > 32) return kUnzipOversizedHeader;

    uint8_t lengths[288 + 32] = {};
    uint16_t codes[288 + 32] = {};
    for (uint32_t i = 0; i < code_lengths; ++i) {
      if (!s_.Need(3)) return kUnzipReadError;
      lengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(s_.Take(3));
    }
    if (!CanonicalCodes(lengths, 19, codes)) return kUnzipFormatError;
    BuildHuffmanTable(codes, lengths, kLeaves.code_length, 19, kCodeLengthBits, code_length_);

    const uint32_t total = literals + distances;
    uint32_t i = 0;
    while (i < total) {
      HuffEntry e;
      if (const int32_t r = Decode(code_length_, e); r != kUnzipOk) return r;
      const uint32_t symbol = EntryValue(e);
      if (symbol < 16) {
        lengths[i++] = static_cast<uint8_t>(symbol);
        continue;
      }
      uint32_t repeat;
      uint8_t value = 0;
      if (symbol == 16) {
        if (i == 0) return kUnzipFormatError;
        if (!s_.Need(2)) return kUnzipReadError;
        repeat = 3 + s_.Take(2);
        value = lengths[i - 1];
      } else if (symbol == 17) {
        if (!s_.Need(3)) return kUnzipReadError;
        repeat = 3 + s_.Take(3);
      } else {
        if (!s_.Need(7)) return kUnzipReadError;
        repeat = 11 + s_.Take(7);
      }
      if (i + repeat > total) return symbol == 18 ? kUnzipFormatError : kUnzipOversizedHeader;
      std::memset(lengths + i, value, repeat);
      i += repeat;
    }
    // Without an end-of-block code the block could never end.
    if (lengths[256] == 0) return kUnzipFormatError;
    std::memset(codes, 0, sizeof codes);
    if (!CanonicalCodes(lengths, literals, codes) ||
        !CanonicalCodes(lengths + literals, distances, codes + literals)) {
      return kUnzipFormatError;
    }
    BuildHuffmanTable(codes, lengths, kLeaves.literal, literals, kDynamicLiteralBits, literal_);
    BuildHuffmanTable(codes + literals, lengths + literals, kLeaves.distance, distances,
                      kDynamicDistanceBits, distance_);
    return Codes(literal_, distance_);
  }

  int32_t Decode(const HuffmanTable& t, HuffEntry& out) { return DecodeSymbol(s_, t, out); }

  int32_t Codes(const HuffmanTable& literal, const HuffmanTable& distance) {
    uint8_t* const window = s_.window();
    for (;;) {
      if (s_.end() - s_.next() >= 8 && s_.position() <= DecodeStream::kWindowSize - kMaxMatch) {
        const int32_t r = FastCodes(literal, distance);
        if (r != kContinue) return r;
        continue;
      }
      HuffEntry e;
      if (const int32_t r = Decode(literal, e); r != kUnzipOk) return r;
      uint32_t op = EntryOp(e);
      if (op == kOpLiteral) {
        s_.PutByte(static_cast<uint8_t>(EntryValue(e)));
        if (s_.WindowFull() && !s_.FlushWindow()) return kUnzipWriteError;
        continue;
      }
      if (op == kOpEndOfBlock) return kUnzipOk;
      uint32_t length = EntryValue(e);
      if (!s_.Need(op - kOpBase)) return kUnzipReadError;
      length += s_.Take(op - kOpBase);
      if (const int32_t r = Decode(distance, e); r != kUnzipOk) return r;
      op = EntryOp(e);
      uint32_t dist = EntryValue(e);
      if (!s_.Need(op - kOpBase)) return kUnzipReadError;
      dist += s_.Take(op - kOpBase);
      uint32_t pos = s_.position();
      while (length--) {
        window[pos] = window[(pos - dist) & kWindowMask];
        if (++pos == DecodeStream::kWindowSize) {
          s_.set_position(pos);
          if (!s_.FlushWindow()) return kUnzipWriteError;
          pos = 0;
        }
      }
      s_.set_position(pos);
      if (s_.aborted()) return kUnzipAborted;
    }
  }

  static constexpr int32_t kContinue = 2;

  // The inner loop: runs while a whole word of input and a longest match of room remain.
  int32_t FastCodes(const HuffmanTable& literal, const HuffmanTable& distance) {
    uint64_t bits = s_.bits_ref();
    uint32_t count = s_.count_ref();
    const uint8_t* in = s_.next();
    const uint8_t* const in_last = s_.end() - 8;
    uint32_t pos = s_.position();
    uint8_t* const window = s_.window();
    const HuffEntry* const lt = literal.slots.data();
    const HuffEntry* const dt = distance.slots.data();
    const uint32_t lroot = literal.root_bits;
    const uint32_t droot = distance.root_bits;
    const uint64_t lmask = (uint64_t{1} << lroot) - 1;
    const uint64_t dmask = (uint64_t{1} << droot) - 1;
    int32_t result = kContinue;

    while (in <= in_last && pos <= DecodeStream::kWindowSize - kMaxMatch) {
      uint64_t word;
      std::memcpy(&word, in, 8);
      bits |= DecodeStream::FromLittleEndian(word) << count;
      in += (63 - count) >> 3;
      count |= 56;

      HuffEntry e = lt[bits & lmask];
      if (EntryOp(e) & kOpLink) {
        bits >>= lroot;
        count -= lroot;
        e = lt[EntryValue(e) + (bits & ((uint64_t{1} << (EntryOp(e) - kOpLink)) - 1))];
      }
      bits >>= EntryLength(e);
      count -= EntryLength(e);
      uint32_t op = EntryOp(e);
      if (op == kOpLiteral) {
        window[pos++] = static_cast<uint8_t>(EntryValue(e));
        // A second literal fits in what is left of the word.
        e = lt[bits & lmask];
        if (EntryOp(e) == kOpLiteral) {
          bits >>= EntryLength(e);
          count -= EntryLength(e);
          window[pos++] = static_cast<uint8_t>(EntryValue(e));
        }
        continue;
      }
      if (!IsBase(op)) {
        result = op == kOpEndOfBlock ? kUnzipOk : kUnzipFormatError;
        break;
      }
      uint32_t extra = op - kOpBase;
      const uint32_t length = EntryValue(e) + static_cast<uint32_t>(bits & ((1u << extra) - 1));
      bits >>= extra;
      count -= extra;

      e = dt[bits & dmask];
      if (EntryOp(e) & kOpLink) {
        bits >>= droot;
        count -= droot;
        e = dt[EntryValue(e) + (bits & ((uint64_t{1} << (EntryOp(e) - kOpLink)) - 1))];
      }
      bits >>= EntryLength(e);
      count -= EntryLength(e);
      op = EntryOp(e);
      if (!IsBase(op)) {
        result = kUnzipFormatError;
        break;
      }
      extra = op - kOpBase;
      const uint32_t dist = EntryValue(e) + static_cast<uint32_t>(bits & ((1u << extra) - 1));
      bits >>= extra;
      count -= extra;
      CopyMatch(window, DecodeStream::kWindowSize, pos, dist, length);
      pos += length;
    }
    s_.bits_ref() = bits;
    s_.count_ref() = count;
    s_.next() = in;
    s_.set_position(pos);
    // A last match may have filled the work buffer to the brim.
    if (s_.WindowFull() && !s_.FlushWindow()) return kUnzipWriteError;
    return result;
  }

  DecodeStream& s_;
  HuffmanTable fixed_literal_, fixed_distance_;
  HuffmanTable literal_, distance_, code_length_;
};

}  // namespace

int32_t Inflate(DecodeStream& stream) {
  Inflater inflater(stream);
  return inflater.Run();
}

}  // namespace unzip
