#include "unzip/decode_stream.h"

namespace unzip {

bool DecodeStream::FillInput() {
  if (exhausted_) return false;
  const int32_t n = port_.Refill(input_, kInputSize);
  if (port_.Aborted()) aborted_ = true;
  if (n <= 0) {
    exhausted_ = true;
    return false;
  }
  next_ = input_;
  end_ = input_ + n;
  input_total_ += static_cast<uint32_t>(n);
  return true;
}

void DecodeStream::SlowRefill() {
  while (count_ < kRefillBits) {
    if (next_ == end_ && !FillInput()) return;
    if (static_cast<size_t>(end_ - next_) >= sizeof(BitWord)) {
      Refill();
      return;
    }
    bits_ |= static_cast<BitWord>(*next_++) << count_;
    count_ += 8;
  }
}

uint32_t DecodeStream::ReadAlignedBytes(uint8_t* out, uint32_t size) {
  uint32_t done = 0;
  while (done < size && count_ >= 8) {
    out[done++] = static_cast<uint8_t>(bits_);
    Drop(8);
  }
  if (count_ == 0) bits_ = 0;  // whatever the last word load left above the count is stale now
  while (done < size) {
    if (next_ == end_ && !FillInput()) break;
    const uint32_t avail = static_cast<uint32_t>(end_ - next_);
    const uint32_t n = avail < size - done ? avail : size - done;
    std::memcpy(out + done, next_, n);
    next_ += n;
    done += n;
  }
  return done;
}

bool DecodeStream::FlushWindow() {
  const uint32_t n = position_;
  position_ = 0;
  return FlushBytes(window_, n);
}

bool DecodeStream::FlushBytes(const uint8_t* data, uint32_t count) {
  if (count == 0) return true;
  const bool ok = port_.Flush(data, count);
  if (port_.Aborted()) aborted_ = true;
  return ok;
}

}  // namespace unzip
