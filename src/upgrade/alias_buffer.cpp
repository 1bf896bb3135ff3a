#include "upgrade/alias_buffer.h"

#include <cstring>

namespace upgrade {

AliasBuffer::AliasBuffer(const std::string& text) {
  const size_t n = text.size() < kSize - 1 ? text.size() : kSize - 1;
  std::memcpy(bytes_.data(), text.data(), n);
}

std::string AliasBuffer::Text() const {
  const void* zero = std::memchr(bytes_.data(), 0, kSize);
  const size_t n =
      zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes_.data()) : kSize;
  return std::string(bytes_.data(), n);
}

}  // namespace upgrade
