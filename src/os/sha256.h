// SHA-256 (FIPS 180-4), with which the media's manifest names the bytes of every piece and
// archive (a CRC-32 finds a bad floppy, not bytes changed on purpose), and the journal every file
// an installation wrote, so that a repair finds what changed since.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace os {

using Sha256Digest = std::array<uint8_t, 32>;

// A running hash: bytes may come in pieces of any size. Copyable, so that a caller can keep the
// state before some bytes and go back to it.
class Sha256 {
 public:
  Sha256();
  void Update(const uint8_t* data, size_t size);
  void Update(std::string_view bytes) {
    Update(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  // The digest of the bytes so far; the running hash is left as it was.
  Sha256Digest Final() const;

 private:
  void Block(const uint8_t* block);

  std::array<uint32_t, 8> state_;
  std::array<uint8_t, 64> pending_{};
  size_t pending_size_ = 0;
  uint64_t length_ = 0;
};

inline Sha256Digest Sha256Of(std::string_view bytes) {
  Sha256 hash;
  hash.Update(bytes);
  return hash.Final();
}

// 64 hexadecimal digits, as the manifest writes a digest; nothing for any other text.
std::optional<Sha256Digest> ParseSha256(std::string_view text);
std::string Sha256Text(const Sha256Digest& digest);

}  // namespace os
