// A decoder port over memory, for tests and fuzz targets: compressed bytes come from a
// buffer in blocks, decoded bytes are collected (up to a limit).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "unzip/decode_stream.h"

namespace testing_support {

class MemoryPort : public unzip::DecodePort {
 public:
  explicit MemoryPort(std::string input, size_t output_limit = 64u << 20)
      : input_(std::move(input)), limit_(output_limit) {}

  int32_t Refill(uint8_t* buffer, uint32_t capacity) override {
    const size_t left = input_.size() - read_;
    const uint32_t n = left < capacity ? static_cast<uint32_t>(left) : capacity;
    std::memcpy(buffer, input_.data() + read_, n);
    read_ += n;
    return static_cast<int32_t>(n);
  }
  bool Flush(const uint8_t* data, uint32_t count) override {
    if (output.size() + count > limit_) return false;
    output.append(reinterpret_cast<const char*>(data), count);
    flushes.push_back(count);
    return true;
  }
  bool Aborted() const override { return false; }

  std::string output;
  std::vector<uint32_t> flushes;

 private:
  std::string input_;
  size_t read_ = 0;
  size_t limit_;
};

}  // namespace testing_support
