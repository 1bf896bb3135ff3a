// The publisher's signatures on the media: Authenticode on the programs and the package
// (osslsigncode, SHA-256), and a detached RSA signature over SHA-256 of the manifest (OpenSSL),
// which the installer checks with the system's CryptoAPI.
#pragma once

#include <filesystem>
#include <string>

namespace mkmedia {

struct SigningOptions {
  std::filesystem::path cert;  // PEM certificate (chain) and its key
  std::filesystem::path key;
  std::filesystem::path pkcs12;     // or both in one PKCS #12 file
  std::filesystem::path pass_file;  // the key's password, on the first line
  std::string timestamp;            // an RFC 3161 time-stamp server; none when empty

  bool Enabled() const { return !cert.empty() || !key.empty() || !pkcs12.empty(); }
};

// Whether the options name a usable key and certificate that belong together, and the signing
// tool is there; an error text, empty when they do.
std::string CheckSigning(const SigningOptions& options);

// Writes `out`, a copy of the program or package `in` with the publisher's Authenticode
// signature; an error text, empty on success.
std::string SignFile(const SigningOptions& options, const std::filesystem::path& in,
                     const std::filesystem::path& out);

// The detached signature of `text` (RSA, PKCS #1 v1.5, SHA-256), big-endian as OpenSSL writes it;
// an error text in `error` when it cannot be made.
std::string SignText(const SigningOptions& options, const std::string& text, std::string& error);

}  // namespace mkmedia
