#include <windows.h>
// After windows.h, which it needs.
#include <wincrypt.h>

#include <vector>

#include "os/rsa_signature.h"

namespace os {

namespace {

// A manifest is a few kilobytes; a bound keeps every size a DWORD.
constexpr size_t kLargestSigned = 16 << 20;
// CALG_SHA_256, which the headers give only to builds for XP SP3 and later: the program runs on
// earlier ones too, where only this check fails.
constexpr ALG_ID kSha256 = ALG_CLASS_HASH | ALG_TYPE_ANY | 12;

// What one check holds of CryptoAPI, released in the reverse order.
struct Handles {
  HCRYPTPROV provider = 0;
  HCRYPTKEY key = 0;
  HCRYPTHASH hash = 0;
  Handles() = default;
  Handles(const Handles&) = delete;
  Handles& operator=(const Handles&) = delete;
  ~Handles() {
    if (hash) CryptDestroyHash(hash);
    if (key) CryptDestroyKey(key);
    if (provider) CryptReleaseContext(provider, 0);
  }
};

}  // namespace

bool VerifyRsaSha256(std::span<const uint8_t> public_key, std::string_view data,
                     std::string_view signature) {
  if (public_key.empty() || signature.empty() || data.size() > kLargestSigned ||
      signature.size() > kLargestSigned)
    return false;
  Handles h;
  // The type's default provider: XP SP3 names its AES provider "(Prototype)", later Windows do
  // not.
  if (!CryptAcquireContextW(&h.provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT) ||
      !CryptImportKey(h.provider, public_key.data(), static_cast<DWORD>(public_key.size()), 0, 0,
                      &h.key) ||
      !CryptCreateHash(h.provider, kSha256, 0, 0, &h.hash) ||
      !CryptHashData(h.hash, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()), 0))
    return false;
  // CryptoAPI reads the signature as a little-endian number.
  std::vector<BYTE> reversed(signature.rbegin(), signature.rend());
  return CryptVerifySignatureW(h.hash, reversed.data(), static_cast<DWORD>(reversed.size()), h.key,
                               nullptr, 0) != FALSE;
}

}  // namespace os
