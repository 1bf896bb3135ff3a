// The input and output every decoder works through: compressed bytes arrive in 4,096-byte
// blocks from a source, pass through a wide bit buffer, and decoded bytes leave through the
// 32,768-byte work buffer, which also serves as the dictionary of the sliding-window methods.
#pragma once

#include <cstdint>
#include <cstring>

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

  // --- Bits, least significant first.

  // Tops the bit buffer up to at least 56 bits unless the input has run out.
  void Refill() {
    if (end_ - next_ >= 8) {
      uint64_t word;
      std::memcpy(&word, next_, 8);
      bits_ |= FromLittleEndian(word) << count_;
      next_ += (63 - count_) >> 3;
      count_ |= 56;
    } else {
      SlowRefill();
    }
  }
  // Makes at least `n` bits available (n <= 56); false when the input ran out first.
  bool Need(uint32_t n) {
    if (count_ < n) Refill();
    return count_ >= n;
  }
  uint32_t Peek(uint32_t n) const {
    return static_cast<uint32_t>(bits_ & ((uint64_t{1} << n) - 1));
  }
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
  uint64_t bits() const { return bits_; }
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
  uint64_t& bits_ref() { return bits_; }
  uint32_t& count_ref() { return count_; }

  static uint64_t FromLittleEndian(uint64_t v) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return __builtin_bswap64(v);
#else
    return v;
#endif
  }

 private:
  void SlowRefill();
  bool FillInput();

  DecodePort& port_;
  uint8_t* window_;
  uint32_t position_ = 0;

  // Eight spare bytes let the refill load a whole word near the end of a block.
  uint8_t input_[kInputSize + 8] = {};
  const uint8_t* next_ = input_;
  const uint8_t* end_ = input_;
  uint64_t input_total_ = 0;
  uint64_t bits_ = 0;
  uint32_t count_ = 0;
  bool exhausted_ = false;
  bool aborted_ = false;
};

}  // namespace unzip
