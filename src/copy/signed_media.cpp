#include "copy/signed_media.h"

#include "os/file_replace.h"
#include "os/os.h"
#include "state/product.h"

namespace copy {

namespace {

// A signature is the size of the key's modulus: 512 bytes cover a 4096-bit key.
constexpr size_t kLargestSignature = 4096;

}  // namespace

std::string NotThePublishers() {
  return std::string("kitul de instalare nu este al editorului ") + kPublisher + ".";
}

MediaReading ReadSignedMedia(const std::string& media_dir, std::span<const uint8_t> publisher_key,
                             bool allow_unsigned, SignatureCheck check) {
  const std::string dir = os::WithoutTrailingBackslash(media_dir) + "\\";
  const std::optional<std::string> text = os::ReadWholeFile(dir + kManifestFile);
  MediaReading reading;
  if (publisher_key.empty()) {
    reading.note = "Programul nu cunoaste cheia editorului: semnatura kitului nu este verificata";
    if (text) reading.manifest = ParseMediaManifest(*text);
    return reading;
  }
  const bool signature_present = os::FileExists(dir + kSignatureFile);
  if (!signature_present) {
    if (!allow_unsigned) {
      reading.refusal_caption = "Kit nesemnat";
      reading.refusal = std::string("Lipseste ") + kSignatureFile +
                        " de pe discul 1:\rkitul de instalare nu este semnat de editorul " +
                        kPublisher +
                        ".\rUn kit mai vechi, nesemnat, se instaleaza cu /ALLOWUNSIGNED.";
      return reading;
    }
    reading.note = "Kit nesemnat, acceptat prin /ALLOWUNSIGNED";
    if (text) reading.manifest = ParseMediaManifest(*text);
    return reading;
  }
  // A changed kit is refused even where an unsigned one is allowed.
  const std::optional<std::string> signature = os::ReadWholeFile(dir + kSignatureFile);
  if (!text || !signature || signature->size() > kLargestSignature ||
      !check(publisher_key, *text, *signature)) {
    reading.refusal_caption = kForeignKitCaption;
    reading.refusal = std::string(kManifestFile) +
                      " de pe discul 1 nu poarta semnatura editorului:\r" + NotThePublishers();
    return reading;
  }
  reading.manifest = ParseMediaManifest(*text);
  if (!reading.manifest || !reading.manifest->Complete()) {
    reading.manifest.reset();
    reading.refusal_caption = kForeignKitCaption;
    reading.refusal = std::string(kManifestFile) +
                      " de pe discul 1 nu numeste fiecare fisier al kitului cu SHA-256:\r" +
                      NotThePublishers();
    return reading;
  }
  reading.manifest->proven = true;
  reading.note = "Kit semnat de editor: " + std::string(kManifestFile) + " verificat";
  return reading;
}

}  // namespace copy
