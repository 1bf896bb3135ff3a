// What proves media the publisher's: SHA-256 against the published test vectors, the manifest's
// signature as the start-up judges it, and the upgrade library's archive against a signed
// manifest.
#include "wizard/media_proof.h"

#include <gtest/gtest.h>

#include <string>

#include "copy/signed_media.h"
#include "os/sha256.h"
#include "support/temp_dir.h"
#include "unzip/crc32.h"

using namespace copy;
using namespace os;
using testing_support::TempDir;

namespace {

std::string Hex(const Sha256Digest& digest) {
  return Sha256Text(digest);
}

// FIPS 180-2, appendix B, and the empty message.
TEST(Sha256, PublishedVectorsWholeAndInPieces) {
  EXPECT_EQ(Hex(Sha256Of("abc")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the block, padding takes a second one.
  EXPECT_EQ(Hex(Sha256Of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Hex(Sha256Of("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmno"
                         "ijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu")),
            "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
  EXPECT_EQ(Hex(Sha256Of("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");

  // A million "a" in pieces of every size from 1 to 97 bytes, as a copy reads a disk.
  const std::string million(1'000'000, 'a');
  Sha256 hash;
  size_t at = 0;
  for (size_t step = 1; at < million.size(); step = step % 97 + 1) {
    const size_t take = std::min(step, million.size() - at);
    hash.Update(std::string_view(million).substr(at, take));
    at += take;
  }
  const std::string expected = "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";
  EXPECT_EQ(Hex(hash.Final()), expected);
  EXPECT_EQ(Hex(hash.Final()), expected) << "the running hash is left as it was";
  EXPECT_EQ(Hex(Sha256Of(million)), expected);

  EXPECT_EQ(ParseSha256(expected), Sha256Of(million));
  EXPECT_EQ(ParseSha256("CDC76E5C9914FB9281A1C7E284D73E67F1809A48A497200E046D39CCC7112CD0"),
            Sha256Of(million));
  EXPECT_FALSE(ParseSha256(expected.substr(1)));
  EXPECT_FALSE(ParseSha256(expected.substr(1) + "g"));
}

// The check the product makes with CryptoAPI, stood in for: a signature is "signed by" the key
// followed by the data's digest.
bool FakeCheck(std::span<const uint8_t> key, std::string_view data, std::string_view signature) {
  return signature == std::string(key.begin(), key.end()) + Hex(Sha256Of(data));
}

constexpr uint8_t kPublisher[] = {'p', 'u', 'b'};
constexpr uint8_t kOther[] = {'o', 't', 'h'};

std::string Signature(std::span<const uint8_t> key, const std::string& text) {
  return std::string(key.begin(), key.end()) + Hex(Sha256Of(text));
}

std::string Line(int disk, const std::string& bytes) {
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08X",
                unzip::Crc32(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  return std::to_string(disk) + " " + std::to_string(bytes.size()) + " " + crc + " " +
         Hex(Sha256Of(bytes));
}

class SignedMediaTest : public testing::Test {
 protected:
  void SetUp() override {
    manifest_ =
        "[General]\r\nNrDiscuri=2\r\n\r\n[Media]\r\nKind=Full\r\n\r\n[Pieces]\r\n"
        "EXE.1=" +
        Line(1, "exe") + "\r\nUPGRADE.1=" + Line(1, "upg") + "\r\n\r\n[Archives]\r\nEXE=100 2 " +
        Hex(Sha256Of("exe")) + "\r\n";
    media_.Write("INSTALL.CFG", manifest_);
  }
  MediaReading Read(std::span<const uint8_t> key, bool allow_unsigned = false) {
    return ReadSignedMedia(media_.str(), key, allow_unsigned, &FakeCheck);
  }

  TempDir media_;
  std::string manifest_;
};

}  // namespace

// Signed by the publisher: the manifest is proven, with its disk count and every digest; by
// anyone else, or changed by one byte, it is refused naming INSTALL.CFG, /ALLOWUNSIGNED or not.
TEST_F(SignedMediaTest, OnlyThePublishersSignatureProvesTheManifest) {
  media_.Write("INSTALL.SIG", Signature(kPublisher, manifest_));
  MediaReading reading = Read(kPublisher);
  ASSERT_EQ(reading.refusal, "");
  ASSERT_TRUE(reading.manifest);
  EXPECT_TRUE(reading.manifest->proven);
  EXPECT_EQ(reading.manifest->disks, 2);
  EXPECT_EQ(reading.manifest->Piece("exe.1")->sha256, Sha256Of("exe"));
  EXPECT_EQ(reading.manifest->Piece("UPGRADE.1")->size, 3);
  EXPECT_EQ(reading.manifest->Archive("EXE")->sha256, Sha256Of("exe"));

  media_.Write("INSTALL.SIG", Signature(kOther, manifest_));
  reading = Read(kPublisher, /*allow_unsigned=*/true);
  EXPECT_FALSE(reading.manifest);
  EXPECT_EQ(reading.refusal,
            "INSTALL.CFG de pe discul 1 nu poarta semnatura editorului:\r"
            "kitul de instalare nu este al editorului RidOZIZUZ.");

  media_.Write("INSTALL.SIG", Signature(kPublisher, manifest_));
  std::string changed = manifest_;
  changed[changed.find("NrDiscuri=2") + 10] = '1';
  media_.Write("INSTALL.CFG", changed);
  reading = Read(kPublisher, /*allow_unsigned=*/true);
  EXPECT_FALSE(reading.manifest);
  EXPECT_NE(reading.refusal.find("INSTALL.CFG de pe discul 1"), std::string::npos);

  // Signed, but of an older form without SHA-256: it cannot prove the pieces.
  const std::string older =
      "[General]\r\nNrDiscuri=1\r\n[Media]\r\nKind=Full\r\n[Pieces]\r\n"
      "EXE.1=1 3 00000000\r\n[Archives]\r\nEXE=1 1\r\n";
  media_.Write("INSTALL.CFG", older);
  media_.Write("INSTALL.SIG", Signature(kPublisher, older));
  reading = Read(kPublisher);
  EXPECT_FALSE(reading.manifest);
  EXPECT_NE(reading.refusal.find("nu numeste fiecare fisier"), std::string::npos);
}

// Unsigned media: refused by a program that knows its publisher unless the administrator allows
// them, taken as they are by one that knows none (which cannot check a signature either).
TEST_F(SignedMediaTest, UnsignedMediaNeedTheAdministratorsWord) {
  MediaReading reading = Read(kPublisher);
  EXPECT_FALSE(reading.manifest);
  EXPECT_EQ(reading.refusal,
            "Lipseste INSTALL.SIG de pe discul 1:\rkitul de instalare nu este semnat de editorul "
            "RidOZIZUZ.\rUn kit mai vechi, nesemnat, se instaleaza cu /ALLOWUNSIGNED.");

  reading = Read(kPublisher, /*allow_unsigned=*/true);
  EXPECT_EQ(reading.refusal, "");
  ASSERT_TRUE(reading.manifest);
  EXPECT_FALSE(reading.manifest->proven);
  EXPECT_NE(reading.note.find("/ALLOWUNSIGNED"), std::string::npos);

  media_.Write("INSTALL.SIG", "anything");
  reading = Read({});
  EXPECT_EQ(reading.refusal, "");
  ASSERT_TRUE(reading.manifest);
  EXPECT_FALSE(reading.manifest->proven);
}

// The upgrade library runs inside the installer: its archive must be the signed one.
TEST_F(SignedMediaTest, TheUpgradeLibrarysArchiveIsMeasuredAgainstTheSignedManifest) {
  media_.Write("INSTALL.SIG", Signature(kPublisher, manifest_));
  const MediaReading reading = Read(kPublisher);
  ASSERT_TRUE(reading.manifest);
  media_.Write("UPGRADE.ZIP", "upg");
  EXPECT_EQ(UpgradeArchiveRefusal(&*reading.manifest, media_.File("UPGRADE.ZIP")), "");
  media_.Write("UPGRADE.ZIP", "UPG");
  EXPECT_EQ(UpgradeArchiveRefusal(&*reading.manifest, media_.File("UPGRADE.ZIP")),
            "UPGRADE.1 de pe discul 1 nu este cel semnat de editor:\r"
            "kitul de instalare nu este al editorului RidOZIZUZ.");
  MediaManifest unsigned_manifest = *reading.manifest;
  unsigned_manifest.proven = false;
  EXPECT_EQ(UpgradeArchiveRefusal(&unsigned_manifest, media_.File("UPGRADE.ZIP")), "");
}
