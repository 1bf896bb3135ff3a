// Whether a run may use the media it was started from: their manifest (INSTALL.CFG on disk 1)
// proved the publisher's by its detached signature (INSTALL.SIG) against the key the program was
// built with, before anything is written.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "copy/media_manifest.h"

namespace copy {

constexpr char kManifestFile[] = "INSTALL.CFG";
constexpr char kSignatureFile[] = "INSTALL.SIG";

// What every refusal of a changed or foreign kit ends with, and its caption.
std::string NotThePublishers();
constexpr char kForeignKitCaption[] = "Kit modificat";

// The check of a signature (os::VerifyRsaSha256 in the product).
using SignatureCheck = bool (*)(std::span<const uint8_t> public_key, std::string_view data,
                                std::string_view signature);

struct MediaReading {
  // What the run may go by; nothing for media without a manifest.
  std::optional<MediaManifest> manifest;
  // Why the media are refused, for the person and the log; empty when they may be used.
  std::string refusal;
  std::string refusal_caption;
  // What the log says of their signature.
  std::string note;
};

// Reads the manifest and its signature from the media directory. The bytes that are checked are
// the bytes that are parsed. A program built without a publisher's key (`publisher_key` empty)
// takes media as they are; one built with it refuses unsigned media unless `allow_unsigned`,
// and refuses a signature that does not verify in any case.
MediaReading ReadSignedMedia(const std::string& media_dir, std::span<const uint8_t> publisher_key,
                             bool allow_unsigned, SignatureCheck check);

// The media as one run reads them, again when a person puts disk 1 in again.
class SignedMedia {
 public:
  SignedMedia(std::string media_dir, std::span<const uint8_t> publisher_key, bool allow_unsigned,
              SignatureCheck check)
      : media_dir_(std::move(media_dir)),
        publisher_key_(publisher_key),
        allow_unsigned_(allow_unsigned),
        check_(check) {}

  // Reads the media again; the refusal, empty when they may be used.
  const MediaReading& Read() {
    reading_ = ReadSignedMedia(media_dir_, publisher_key_, allow_unsigned_, check_);
    return reading_;
  }
  const MediaReading& Last() const { return reading_; }

 private:
  std::string media_dir_;
  std::span<const uint8_t> publisher_key_;
  bool allow_unsigned_;
  SignatureCheck check_;
  MediaReading reading_;
};

}  // namespace copy
