// The system's own check of a publisher's signature: RSA (PKCS #1 v1.5) over SHA-256.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace os {

// True when `signature`, big-endian as OpenSSL writes it, is the signature of `data` by the key
// `public_key`, a CryptoAPI PUBLICKEYBLOB. Windows checks it with its AES provider, which
// Windows XP SP3 and later carry. Without the system's cryptography (a POSIX build) no
// signature verifies.
bool VerifyRsaSha256(std::span<const uint8_t> public_key, std::string_view data,
                     std::string_view signature);

}  // namespace os
