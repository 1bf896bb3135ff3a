#include "unzip/unshrink.h"

#include <cstring>

#include "unzip/match_copy.h"

namespace unzip {

namespace {

constexpr uint32_t kControlCode = 256;
constexpr uint32_t kFirst = UnshrinkArea::kFirstCode;
constexpr uint32_t kLimit = 8192;  // codes are below this
constexpr int16_t kFree = -1;
constexpr uint32_t kMinWidth = 9;
constexpr uint32_t kMaxWidth = 13;
static_assert(UnshrinkArea::kCodes == kLimit - kFirst);

// The work buffer as a ring of the latest output. A string copied from it must lie wholly in
// the last kWindowSize - kSlack bytes: word copies may write up to kSlack bytes past their end.
constexpr uint32_t kWindowSize = DecodeStream::kWindowSize;
constexpr uint32_t kRingMask = kWindowSize - 1;
constexpr uint32_t kSlack = UnshrinkArea::kSlack;
// Output offsets are kept in 32 bits; what is known of them is forgotten each time this many
// bytes more were written, so that a difference of two never wraps.
constexpr uint32_t kForgetEvery = 1u << 31;

class Unshrinker {
 public:
  Unshrinker(DecodeStream& s, UnshrinkArea& a, uint32_t compressed_size)
      : s_(s), a_(a), ring_(s.window()), total_bits_(uint64_t{compressed_size} * 8) {}

  DecodeResult Run() {
    for (uint32_t i = 0; i < UnshrinkArea::kCodes; ++i) {
      a_.prefix[i] = kFree;
      a_.free_codes[i] = static_cast<uint16_t>(kFirst + i);
    }
    free_count_ = UnshrinkArea::kCodes;
    Forget();
    uint32_t width = kMinWidth;
    int32_t previous = -1;
    for (;;) {
      if (s_.aborted()) return DecodeResult::kAborted;
      uint32_t code;
      if (!Read(width, code)) break;
      if (s_.aborted()) return DecodeResult::kAborted;
      if (code == kControlCode) {
        uint32_t control;
        if (!Read(width, control)) break;
        if (control == 1) {
          if (++width > kMaxWidth) return DecodeResult::kDataError;
        } else if (control == 2) {
          PartialClear();
        } else {
          return DecodeResult::kDataError;
        }
        continue;
      }
      // The one code that may be used before it is defined: the entry about to be added.
      const bool pending = code >= kFirst && !InUse(code);
      if (pending && (previous < 0 || code != NextFree())) return DecodeResult::kDataError;
      const uint32_t source = pending ? static_cast<uint32_t>(previous) : code;
      const uint32_t start = written_;
      if (!Write(source)) return DecodeResult::kDataError;
      if (source >= kFirst) Remember(source, start, written_ - start);
      const uint8_t first = ring_[start & kRingMask];
      if (pending) PutByte(first);
      if (previous >= 0 && next_free_index_ < free_count_) {
        const uint32_t slot = NextFree() - kFirst;
        ++next_free_index_;
        a_.prefix[slot] = static_cast<int16_t>(previous);
        a_.suffix[slot] = first;
        // The new string is the previous one and the byte after it, as just written.
        Remember(slot + kFirst, previous_at_, previous_known_ ? previous_length_ + 1 : 0);
      }
      previous = static_cast<int32_t>(code);
      previous_at_ = start;
      previous_length_ = written_ - start;
      previous_known_ = true;
      if (written_ - known_since_ >= kForgetEvery) Forget();
      if (!FlushBlocks()) return DecodeResult::kWriteFailed;
    }
    return FlushRest() ? DecodeResult::kOk : DecodeResult::kWriteFailed;
  }

 private:
  bool InUse(uint32_t code) const { return a_.prefix[code - kFirst] != kFree; }

  // The code the next definition takes: the lowest free one.
  uint32_t NextFree() const {
    return next_free_index_ < free_count_ ? a_.free_codes[next_free_index_] : kLimit;
  }

  bool Read(uint32_t width, uint32_t& code) {
    if (s_.BitsConsumed() + width > total_bits_) return false;
    if (!s_.Need(width)) return false;
    code = s_.Take(width);
    return true;
  }

  void Remember(uint32_t code, uint32_t at, uint32_t length) {
    a_.written_at[code - kFirst] = at;
    a_.written_length[code - kFirst] = static_cast<uint16_t>(length);
  }

  void Forget() {
    std::memset(a_.written_length, 0, sizeof a_.written_length);
    known_since_ = written_;
    previous_known_ = false;
  }

  // Writes the string of `code` to the ring. The chain of prefixes is followed back only to
  // the first code whose string was written recently enough to be copied from the ring; the
  // suffixes met on the way follow that copy. False when the chain is broken or longer than any
  // real string can be. (A chain that reaches a copied code is whole: the copied code's own
  // chain was whole when written and has not changed since, see PartialClear.)
  bool Write(uint32_t code) {
    uint8_t* const top = a_.stack + UnshrinkArea::kStackSize;
    uint8_t* at = top;
    // One byte stays free for the literal that ends every chain.
    const uint8_t* const full = a_.stack + 1;
    for (;;) {
      if (code < kFirst) {
        if (code == kControlCode) return false;
        PutByte(static_cast<uint8_t>(code));
        break;
      }
      const uint32_t slot = code - kFirst;
      const int32_t prefix = a_.prefix[slot];
      if (prefix == kFree) return false;
      const uint32_t known = a_.written_length[slot];
      if (known != 0 && written_ + known - a_.written_at[slot] <= kWindowSize - kSlack) {
        CopyFromRing(a_.written_at[slot], known);
        break;
      }
      if (at == full) return false;
      *--at = a_.suffix[slot];
      code = static_cast<uint32_t>(prefix);
    }
    const uint32_t length = static_cast<uint32_t>(top - at);
    if (length == 0) return true;
    // The stack has kSlack spare bytes above its top for the last word.
    const uint32_t to = written_ & kRingMask;
    if (to + length + kSlack <= kWindowSize) {
      CopyWordsPast(ring_ + to, at, length);
      written_ += length;
    } else {
      for (uint32_t i = 0; i < length; ++i) PutByte(at[i]);
    }
    return true;
  }

  void PutByte(uint8_t b) { ring_[written_++ & kRingMask] = b; }

  // Copies `length` bytes written earlier at output offset `at` to the end of the output; they
  // end at or before it, so a word never reads a byte this copy has written.
  void CopyFromRing(uint32_t at, uint32_t length) {
    const uint32_t from = at & kRingMask;
    const uint32_t to = written_ & kRingMask;
    if (from + length + kSlack <= kWindowSize && to + length + kSlack <= kWindowSize) {
      CopyWordsPast(ring_ + to, ring_ + from, length);
    } else {
      for (uint32_t i = 0; i < length; ++i) {
        ring_[(to + i) & kRingMask] = ring_[(from + i) & kRingMask];
      }
    }
    written_ += length;
  }

  // Hands on every whole output block; the blocks stay as the decoder always wrote them.
  bool FlushBlocks() {
    while (written_ - flushed_ >= UnshrinkArea::kOutputSize) {
      if (!FlushFromRing(UnshrinkArea::kOutputSize)) return false;
    }
    return true;
  }

  bool FlushRest() { return FlushFromRing(written_ - flushed_); }

  bool FlushFromRing(uint32_t count) {
    const uint32_t from = flushed_ & kRingMask;
    flushed_ += count;
    if (from + count <= kWindowSize) return s_.FlushBytes(ring_ + from, count);
    const uint32_t first_part = kWindowSize - from;
    std::memcpy(a_.output, ring_ + from, first_part);
    std::memcpy(a_.output + first_part, ring_, count - first_part);
    return s_.FlushBytes(a_.output, count);
  }

  // Frees every code that is no other code's prefix, and lists the free codes in the order
  // definitions take them.
  void PartialClear() {
    // Branch-free: which codes are parents follows the data, not a pattern a processor could
    // predict. Slot kCodes takes the marks of literals and free codes.
    uint8_t parent[UnshrinkArea::kCodes + 1] = {};
    for (uint32_t i = 0; i < UnshrinkArea::kCodes; ++i) {
      const int32_t p = a_.prefix[i];
      parent[p >= static_cast<int32_t>(kFirst) ? p - kFirst : UnshrinkArea::kCodes] = 1;
    }
    free_count_ = 0;
    for (uint32_t i = 0; i < UnshrinkArea::kCodes; ++i) {
      const int16_t p = parent[i] ? a_.prefix[i] : kFree;
      a_.prefix[i] = p;
      a_.free_codes[free_count_] = static_cast<uint16_t>(kFirst + i);
      free_count_ += p == kFree;
    }
    next_free_index_ = 0;
    // A code kept keeps its whole chain, and so its string; the next one defined may extend a
    // code just freed, whose slot may spell another string by the time it is used.
    previous_known_ = false;
  }

  DecodeStream& s_;
  UnshrinkArea& a_;
  uint8_t* const ring_;
  uint64_t total_bits_;
  uint32_t free_count_ = 0;
  uint32_t next_free_index_ = 0;
  uint32_t written_ = 0;
  uint32_t flushed_ = 0;
  uint32_t known_since_ = 0;
  uint32_t previous_at_ = 0;
  uint32_t previous_length_ = 0;
  bool previous_known_ = false;
};

}  // namespace

DecodeResult Unshrink(DecodeStream& stream, UnshrinkArea& area, uint32_t compressed_size) {
  Unshrinker u(stream, area, compressed_size);
  return u.Run();
}

}  // namespace unzip
