// Shrunk data from the fuzzer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/memory_port.h"
#include "unzip/unshrink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::MemoryPort port(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  auto area = std::make_unique<unzip::UnshrinkArea>();
  unzip::Unshrink(stream, *area, static_cast<uint32_t>(size));
  return 0;
}
