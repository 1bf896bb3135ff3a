// Looking up values in the text of an ini file; section and key names compare without regard to
// case, as the system's profile functions do.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class IniText {
 public:
  explicit IniText(std::string text) : text_(std::move(text)) {}

  // The value of the first "key=value" of the first matching section, trimmed.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& default_value) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t default_value) const;

 private:
  std::string text_;
};

// Integer text: decimal with sign within 32 bits, or up to eight hexadecimal digits after "$" or
// "0x" taken as a 32-bit pattern.
std::optional<int32_t> ParseIniInteger(std::string_view text);
