#include "signing.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

#include "state/product.h"
#include "tool_run.h"

namespace mkmedia {

namespace fs = std::filesystem;

namespace {

struct KeyAndCertificate {
  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{nullptr, &EVP_PKEY_free};
  std::unique_ptr<X509, decltype(&X509_free)> cert{nullptr, &X509_free};
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The first line of the password file, as osslsigncode reads it.
std::string Password(const SigningOptions& options) {
  if (options.pass_file.empty()) return {};
  std::string text = ReadFile(options.pass_file);
  text = text.substr(0, text.find_first_of("\r\n"));
  return text;
}

int PasswordCallback(char* buffer, int size, int, void* password) {
  const auto* text = static_cast<const std::string*>(password);
  const int n = std::min(size, static_cast<int>(text->size()));
  text->copy(buffer, static_cast<size_t>(n));
  return n;
}

std::string Load(const SigningOptions& options, KeyAndCertificate& loaded) {
  std::string password = Password(options);
  if (!options.pkcs12.empty()) {
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_file(options.pkcs12.c_str(), "rb"),
                                                  &BIO_free);
    if (!bio) return "cannot read " + options.pkcs12.string();
    std::unique_ptr<PKCS12, decltype(&PKCS12_free)> p12(d2i_PKCS12_bio(bio.get(), nullptr),
                                                        &PKCS12_free);
    EVP_PKEY* key = nullptr;
    X509* cert = nullptr;
    if (!p12 || !PKCS12_parse(p12.get(), password.c_str(), &key, &cert, nullptr))
      return options.pkcs12.string() + " is no PKCS #12 file this password opens";
    loaded.key.reset(key);
    loaded.cert.reset(cert);
  } else {
    std::unique_ptr<BIO, decltype(&BIO_free)> key_bio(BIO_new_file(options.key.c_str(), "rb"),
                                                      &BIO_free);
    std::unique_ptr<BIO, decltype(&BIO_free)> cert_bio(BIO_new_file(options.cert.c_str(), "rb"),
                                                       &BIO_free);
    if (!key_bio) return "cannot read " + options.key.string();
    if (!cert_bio) return "cannot read " + options.cert.string();
    loaded.key.reset(PEM_read_bio_PrivateKey(key_bio.get(), nullptr, &PasswordCallback, &password));
    if (!loaded.key) return options.key.string() + " is no PEM private key this password opens";
    loaded.cert.reset(PEM_read_bio_X509(cert_bio.get(), nullptr, nullptr, nullptr));
    if (!loaded.cert) return options.cert.string() + " is no PEM certificate";
  }
  if (!loaded.key || !loaded.cert) return "no key and certificate in " + options.pkcs12.string();
  if (EVP_PKEY_get_base_id(loaded.key.get()) != EVP_PKEY_RSA)
    return "the signing key is no RSA key: the installer checks RSA signatures";
  if (X509_check_private_key(loaded.cert.get(), loaded.key.get()) != 1)
    return "the signing key does not belong to the certificate";
  return {};
}

}  // namespace

std::string CheckSigning(const SigningOptions& options) {
  const bool pem = !options.cert.empty() || !options.key.empty();
  if (pem && !options.pkcs12.empty())
    return "sign with --sign-cert and --sign-key, or --sign-pkcs12";
  if (pem && (options.cert.empty() || options.key.empty()))
    return "--sign-cert and --sign-key go together";
  if (!OnPath("osslsigncode"))
    return "osslsigncode, which signs the programs, is not on PATH (Debian package osslsigncode; "
           "scripts/bootstrap installs it)";
  KeyAndCertificate loaded;
  return Load(options, loaded);
}

std::string SignFile(const SigningOptions& options, const fs::path& in, const fs::path& out) {
  std::vector<std::string> args = {
      "osslsigncode", "sign",       "-h", "sha256",
      "-n",           kProductName, "-i", std::string("http://") + kWebAddress};
  if (!options.pkcs12.empty()) {
    args.insert(args.end(), {"-pkcs12", options.pkcs12.string()});
  } else {
    args.insert(args.end(), {"-certs", options.cert.string(), "-key", options.key.string()});
  }
  if (!options.pass_file.empty())
    args.insert(args.end(), {"-readpass", options.pass_file.string()});
  if (!options.timestamp.empty()) args.insert(args.end(), {"-ts", options.timestamp});
  args.insert(args.end(), {"-in", in.string(), "-out", out.string()});
  std::error_code ec;
  fs::remove(out, ec);
  if (!RunTool(args)) return "osslsigncode could not sign " + in.string();
  return {};
}

std::string SignText(const SigningOptions& options, const std::string& text, std::string& error) {
  KeyAndCertificate loaded;
  error = Load(options, loaded);
  if (!error.empty()) return {};
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                  &EVP_MD_CTX_free);
  size_t size = 0;
  std::string signature;
  if (context &&
      EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, loaded.key.get()) == 1 &&
      EVP_DigestSign(context.get(), nullptr, &size,
                     reinterpret_cast<const unsigned char*>(text.data()), text.size()) == 1) {
    signature.resize(size);
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(text.data()), text.size()) == 1) {
      signature.resize(size);
      return signature;
    }
  }
  error = "OpenSSL could not sign the manifest";
  return {};
}

}  // namespace mkmedia
