#include "unzip/unshrink.h"

#include <cstring>

namespace unzip {

namespace {

constexpr uint32_t kControlCode = 256;
constexpr uint32_t kFirst = UnshrinkArea::kFirstCode;
constexpr uint32_t kLimit = 8192;  // codes are below this
constexpr int32_t kFree = -1;
constexpr uint32_t kMinWidth = 9;
constexpr uint32_t kMaxWidth = 13;

class Unshrinker {
 public:
  Unshrinker(DecodeStream& s, UnshrinkArea& a, uint32_t compressed_size)
      : s_(s), a_(a), total_bits_(uint64_t{compressed_size} * 8) {}

  DecodeResult Run() {
    for (uint32_t c = 0; c < UnshrinkArea::kCodes; ++c) a_.prefix[c] = kFree;
    next_free_ = kFirst;
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
      if (pending && (previous < 0 || code != next_free_)) return DecodeResult::kDataError;
      const int32_t source = pending ? previous : static_cast<int32_t>(code);
      uint32_t length;
      const uint8_t* const string = Unwind(static_cast<uint32_t>(source), length);
      if (!string) return DecodeResult::kDataError;
      const uint8_t first = string[0];
      if (!Emit(string, length)) return DecodeResult::kWriteFailed;
      if (pending && !Put(first)) return DecodeResult::kWriteFailed;
      if (previous >= 0 && next_free_ < kLimit) {
        a_.prefix[next_free_ - kFirst] = previous;
        a_.suffix[next_free_ - kFirst] = first;
        AdvanceFree();
      }
      previous = static_cast<int32_t>(code);
    }
    return s_.FlushBytes(a_.output, out_) ? DecodeResult::kOk : DecodeResult::kWriteFailed;
  }

 private:
  bool InUse(uint32_t code) const { return a_.prefix[code - kFirst] != kFree; }

  bool Read(uint32_t width, uint32_t& code) {
    if (s_.BitsConsumed() + width > total_bits_) return false;
    if (!s_.Need(width)) return false;
    code = s_.Take(width);
    return true;
  }

  // Spells the string of `code` into the stack, filled from its end backwards so that the
  // string ends up in reading order; nothing when the chain is broken or longer than any real
  // string can be.
  const uint8_t* Unwind(uint32_t code, uint32_t& length) {
    uint8_t* const top = a_.stack + sizeof a_.stack;
    uint8_t* at = top;
    // One byte stays free for the literal that ends every chain.
    const uint8_t* const full = a_.stack + 1;
    while (code >= kFirst) {
      const int32_t prefix = a_.prefix[code - kFirst];
      if (prefix == kFree || at == full) return nullptr;
      *--at = a_.suffix[code - kFirst];
      code = static_cast<uint32_t>(prefix);
    }
    if (code == kControlCode) return nullptr;
    *--at = static_cast<uint8_t>(code);
    length = static_cast<uint32_t>(top - at);
    return at;
  }

  // Moves a string to the output buffer, as much at a time as the buffer takes.
  bool Emit(const uint8_t* string, uint32_t length) {
    while (length > 0) {
      const uint32_t room = UnshrinkArea::kOutputSize - out_;
      const uint32_t n = length < room ? length : room;
      std::memcpy(a_.output + out_, string, n);
      string += n;
      length -= n;
      out_ += n;
      if (out_ == UnshrinkArea::kOutputSize) {
        out_ = 0;
        if (!s_.FlushBytes(a_.output, UnshrinkArea::kOutputSize)) return false;
      }
    }
    return true;
  }

  bool Put(uint8_t b) {
    a_.output[out_++] = b;
    if (out_ < UnshrinkArea::kOutputSize) return true;
    out_ = 0;
    return s_.FlushBytes(a_.output, UnshrinkArea::kOutputSize);
  }

  void AdvanceFree() {
    do ++next_free_;
    while (next_free_ < kLimit && InUse(next_free_));
  }

  // Frees every code that is no other code's prefix.
  void PartialClear() {
    static_assert(UnshrinkArea::kCodes >= kLimit - kFirst);
    bool parent[kLimit - kFirst] = {};
    for (uint32_t c = kFirst; c < kLimit; ++c) {
      const int32_t p = a_.prefix[c - kFirst];
      if (p >= static_cast<int32_t>(kFirst)) parent[p - kFirst] = true;
    }
    for (uint32_t c = kFirst; c < kLimit; ++c) {
      if (!parent[c - kFirst]) a_.prefix[c - kFirst] = kFree;
    }
    next_free_ = kFirst;
    while (next_free_ < kLimit && InUse(next_free_)) ++next_free_;
  }

  DecodeStream& s_;
  UnshrinkArea& a_;
  uint64_t total_bits_;
  uint32_t next_free_ = kFirst;
  uint32_t out_ = 0;
};

}  // namespace

DecodeResult Unshrink(DecodeStream& stream, UnshrinkArea& area, uint32_t compressed_size) {
  Unshrinker u(stream, area, compressed_size);
  return u.Run();
}

}  // namespace unzip
