// The 256-byte buffer through which the upgrade library answers an alias's directory.
#pragma once

#include <array>
#include <string>

namespace upgrade {

class AliasBuffer {
 public:
  static constexpr size_t kSize = 256;
  // Holds at most 255 characters of `text` and a terminating zero.
  explicit AliasBuffer(const std::string& text);
  char* data() { return bytes_.data(); }
  // The text up to the first zero byte; the whole buffer if the library left none.
  std::string Text() const;

 private:
  std::array<char, kSize> bytes_{};
};

}  // namespace upgrade
