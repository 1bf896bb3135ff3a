// Raw deflate streams from the fuzzer.
#include <cstdint>
#include <string>
#include <vector>

#include "support/memory_port.h"
#include "unzip/inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::MemoryPort port(std::string(reinterpret_cast<const char*>(data), size),
                                   8u << 20);
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  unzip::Inflate(stream);
  return 0;
}
