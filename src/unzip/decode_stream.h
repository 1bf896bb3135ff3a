// The input and output every decoder works through: compressed bytes arrive in 4,096-byte
// blocks from a source, pass through a wide bit buffer, and decoded bytes leave through the
// 32,768-byte work buffer, which also serves as the dictionary of the sliding-window methods.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace unzip {

// How a decoder ended; the component turns this into its own result codes.
enum class DecodeResult : uint8_t {
  kOk,
  kInputEnded,       // the compressed data ran out first
  kDataError,        // the compressed data is invalid
  kAborted,          // the user asked to stop
  kWriteFailed,      // decoded bytes could not be written
  kOversizedHeader,  // deflate: a dynamic header announces more codes than its alphabet has
};

// Where a decoder's bytes come from and go to.
class DecodePort {
 public:
  virtual ~DecodePort() = default;
  // Fills `buffer` with up to `capacity` compressed bytes; 0 or less when no more come.
  virtual int32_t Refill(uint8_t* buffer, uint32_t capacity) = 0;
  // Takes decoded bytes; false when they could not all be written.
  virtual bool Flush(const uint8_t* data, uint32_t count) = 0;
  // True once the user asked to stop.
  virtual bool Aborted() const = 0;
};

class DecodeStream {
 public:
  static constexpr uint32_t kInputSize = 4096;
  static constexpr uint32_t kWindowSize = 32768;

  // `window` holds kWindowSize bytes and is expected to be zero-filled.
  DecodeStream(DecodePort& port, uint8_t* window) : port_(port), window_(window) {}
  DecodeStream(const DecodeStream&) = delete;
  DecodeStream& operator=(const DecodeStream&) = delete;

  DecodePort& port() { return port_; }

  // --- Bits, least significant first, in a buffer of the machine's word: a 32-bit build
  // shifts one register where a 64-bit buffer would take two.
  using BitWord = std::conditional_t<(sizeof(void*) >= 8), uint64_t, uint32_t>;
  static constexpr uint32_t kWordBits = sizeof(BitWord) * 8;
  // Bits a refill guarantees while input lasts: 56, or 24 in a 32-bit build.
  static constexpr uint32_t kRefillBits = kWordBits - 8;

  // Tops the bit buffer up to at least kRefillBits bits unless the input has run out.
  void Refill() {
    if (static_cast<size_t>(end_ - next_) >= sizeof(BitWord)) {
      bits_ |= LoadWord(next_) << count_;
      next_ += (kWordBits - 1 - count_) >> 3;
      count_ |= kRefillBits;
    } else {
      SlowRefill();
    }
  }
  // Makes at least `n` bits available (n <= kRefillBits); false when the input ran out first.
  bool Need(uint32_t n) {
    if (count_ < n) Refill();
    return count_ >= n;
  }
  uint32_t Peek(uint32_t n) const { return static_cast<uint32_t>(bits_ & ((BitWord{1} << n) - 1)); }
  void Drop(uint32_t n) {
    bits_ >>= n;
    count_ -= n;
  }
  uint32_t Take(uint32_t n) {
    const uint32_t v = Peek(n);
    Drop(n);
    return v;
  }
  void AlignToByte() { Drop(count_ & 7); }
  BitWord bits() const { return bits_; }
  uint32_t bit_count() const { return count_; }

  // Copies up to `size` whole bytes of aligned input (bit buffer first) to `out`; returns the
  // number copied, less than asked only when the input ran out.
  uint32_t ReadAlignedBytes(uint8_t* out, uint32_t size);

  // Compressed bits taken so far from the start of the stream.
  uint64_t BitsConsumed() const {
    return (input_total_ - static_cast<uint64_t>(end_ - next_)) * 8 - count_;
  }
  bool aborted() const { return aborted_; }

  // --- Decoded bytes.

  uint8_t* window() { return window_; }
  uint32_t position() const { return position_; }
  void set_position(uint32_t p) { position_ = p; }
  // Writes what the work buffer holds; the position starts again at 0.
  bool FlushWindow();
  // Writes any bytes through the port, without touching the work buffer.
  bool FlushBytes(const uint8_t* data, uint32_t count);
  void PutByte(uint8_t b) { window_[position_++] = b; }
  bool WindowFull() const { return position_ == kWindowSize; }

  // Fast-path pointers for the decoders' inner loops.
  const uint8_t*& next() { return next_; }
  const uint8_t* end() const { return end_; }
  BitWord& bits_ref() { return bits_; }
  uint32_t& count_ref() { return count_; }

  // The next word of input as the bit buffer takes it.
  static BitWord LoadWord(const uint8_t* p) {
    BitWord v;
    std::memcpy(&v, p, sizeof v);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    if constexpr (sizeof v == 8) {
      v = __builtin_bswap64(v);
    } else {
      v = __builtin_bswap32(v);
    }
#endif
    return v;
  }

 private:
  void SlowRefill();
  bool FillInput();

  DecodePort& port_;
  uint8_t* window_;
  uint32_t position_ = 0;

  // Spare bytes let the refill load a whole word near the end of a block.
  uint8_t input_[kInputSize + 8] = {};
  const uint8_t* next_ = input_;
  const uint8_t* end_ = input_;
  uint64_t input_total_ = 0;
  BitWord bits_ = 0;
  uint32_t count_ = 0;
  bool exhausted_ = false;
  bool aborted_ = false;
};

}  // namespace unzip
