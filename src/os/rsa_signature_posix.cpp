#include "os/rsa_signature.h"

namespace os {

// The product checks signatures with Windows' own cryptography alone; the portable tests give
// the decisions above this one a check of their own.
bool VerifyRsaSha256(std::span<const uint8_t>, std::string_view, std::string_view) {
  return false;
}

}  // namespace os
