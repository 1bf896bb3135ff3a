// Imploded data from the fuzzer. The first byte picks the variant (bit 0: 8 KB dictionary,
// bit 1: literal tree), the next three give the size to produce, the rest is the stream.
#include <cstdint>
#include <string>
#include <vector>

#include "support/memory_port.h"
#include "unzip/explode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const uint32_t produce = (data[1] | data[2] << 8 | data[3] << 16) & 0x3FFFFF;
  testing_support::MemoryPort port(std::string(reinterpret_cast<const char*>(data + 4), size - 4));
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  unzip::Explode(
      stream, {(data[0] & 1) != 0, (data[0] & 2) != 0, static_cast<uint32_t>(size - 4), produce});
  return 0;
}
