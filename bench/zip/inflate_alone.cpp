// inflate-alone FILE.gz [PASSES]: the engine's deflate decoder and CRC-32 alone, on a gzip
// file's stream read into memory beforehand; decoded bytes are counted and dropped. Prints the
// seconds of the fastest pass (one thread, no input or output: the least time the machine's
// noise left it) and the bytes decoded, so that the native and the 32-bit Windows build can be
// compared instruction for instruction, free of file and window-system costs.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/memory_port.h"
#include "unzip/crc32.h"
#include "unzip/inflate.h"

namespace {

// Compressed bytes from memory; decoded ones go through the CRC and are counted.
class CountingPort : public testing_support::MemoryPort {
 public:
  using MemoryPort::MemoryPort;
  bool Flush(const uint8_t* data, uint32_t count) override {
    crc_ = unzip::UpdateCrc32(crc_, data, count);
    decoded_ += count;
    return true;
  }
  uint64_t decoded() const { return decoded_; }

 private:
  uint32_t crc_ = 0xFFFFFFFFu;
  uint64_t decoded_ = 0;
};

// Where the deflate stream of a gzip member starts (RFC 1952), or 0 when it is not one.
size_t StreamStart(const std::string& gz) {
  if (gz.size() < 18 || static_cast<uint8_t>(gz[0]) != 0x1F ||
      static_cast<uint8_t>(gz[1]) != 0x8B || gz[2] != 8)
    return 0;
  const uint8_t flags = static_cast<uint8_t>(gz[3]);
  size_t at = 10;
  if (flags & 4) at += 2 + (static_cast<uint8_t>(gz[at]) | static_cast<uint8_t>(gz[at + 1]) << 8);
  for (const uint8_t text_flag : {uint8_t{8}, uint8_t{16}}) {
    if (flags & text_flag) at = gz.find('\0', at) + 1;
  }
  if (flags & 2) at += 2;
  return at < gz.size() ? at : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: inflate-alone FILE.gz [PASSES]\n");
    return 2;
  }
  std::string gz;
  if (FILE* f = std::fopen(argv[1], "rb")) {
    std::vector<char> block(1 << 20);
    size_t n;
    while ((n = std::fread(block.data(), 1, block.size(), f)) > 0) gz.append(block.data(), n);
    std::fclose(f);
  }
  const size_t start = StreamStart(gz);
  if (start == 0) {
    std::fprintf(stderr, "inflate-alone: %s is not a gzip file\n", argv[1]);
    return 1;
  }
  const std::string stream = gz.substr(start);
  gz.clear();
  const int passes = argc > 2 ? std::atoi(argv[2]) : 3;
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::InflateTables tables;
  double best = 1e30;
  uint64_t decoded = 0;
  for (int i = 0; i < passes; ++i) {
    CountingPort input(stream);
    unzip::DecodeStream decode(input, window.data());
    const auto began = std::chrono::steady_clock::now();
    if (unzip::Inflate(decode, tables) != unzip::DecodeResult::kOk) {
      std::fprintf(stderr, "inflate-alone: the stream is damaged\n");
      return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (seconds < best) best = seconds;
    decoded = input.decoded();
  }
  std::printf("%.3f %llu\n", best, static_cast<unsigned long long>(decoded));
  return 0;
}
