// The publisher's signature as the installer checks it, with Windows' own CryptoAPI (the AES
// provider, RSA over SHA-256) and the key built into the program: a manifest signed by the test
// publisher with OpenSSL at build time verifies; changed by one byte, signed by another
// publisher or cut short, it does not.
#include <gtest/gtest.h>

#include <string>

#include "app/publisher_key.h"
#include "copy/signed_media.h"
#include "os/file_replace.h"
#include "os/rsa_signature.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

std::string Fixture(const std::string& name) {
  const std::optional<std::string> bytes =
      os::ReadWholeFile(std::string(VORT_SIGNED_MEDIA_DIR) + "\\" + name);
  EXPECT_TRUE(bytes) << name;
  return bytes.value_or(std::string());
}

}  // namespace

TEST(PublisherSignature, CryptoApiVerifiesOnlyThePublishersManifest) {
  ASSERT_FALSE(PublisherKey().empty()) << "the tests' build trusts the test publisher";
  const std::string manifest = Fixture("INSTALL.CFG");
  const std::string signature = Fixture("publisher.sig");
  ASSERT_EQ(signature.size(), 256u) << "a 2048-bit key's signature";
  EXPECT_TRUE(os::VerifyRsaSha256(PublisherKey(), manifest, signature));

  std::string changed = manifest;
  changed[changed.find("NrDiscuri=1") + 10] = '2';
  EXPECT_FALSE(os::VerifyRsaSha256(PublisherKey(), changed, signature));
  EXPECT_FALSE(os::VerifyRsaSha256(PublisherKey(), manifest, Fixture("other.sig")));
  EXPECT_FALSE(os::VerifyRsaSha256(PublisherKey(), manifest, signature.substr(1)));
  EXPECT_FALSE(os::VerifyRsaSha256(PublisherKey(), manifest, ""));
  EXPECT_FALSE(os::VerifyRsaSha256({}, manifest, signature));

  // The same check as the start-up reads the media.
  TempDir media;
  media.Write("INSTALL.CFG", manifest);
  media.Write("INSTALL.SIG", signature);
  copy::MediaReading reading =
      copy::ReadSignedMedia(media.str(), PublisherKey(), false, &os::VerifyRsaSha256);
  EXPECT_EQ(reading.refusal, "");
  ASSERT_TRUE(reading.manifest);
  EXPECT_TRUE(reading.manifest->proven);
  media.Write("INSTALL.SIG", Fixture("other.sig"));
  reading = copy::ReadSignedMedia(media.str(), PublisherKey(), true, &os::VerifyRsaSha256);
  EXPECT_FALSE(reading.manifest);
  EXPECT_NE(reading.refusal.find("nu este al editorului"), std::string::npos);
}
