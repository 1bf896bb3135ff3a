#include "bde/use_count.h"

#include <cstdint>

namespace bde {

namespace {

// Leading blanks and a sign are allowed, nothing after the digits.
std::optional<int64_t> ParseCount(const std::string& text) {
  size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return std::nullopt;
    value = value * 10 + (text[at] - '0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

std::string NextUseCount(const std::optional<std::string>& stored) {
  const int64_t count = stored ? ParseCount(*stored).value_or(0) : 0;
  return std::to_string(count + 1);
}

}  // namespace bde
