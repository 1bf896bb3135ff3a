#include "wizard/media_proof.h"

#include "copy/signed_media.h"
#include "log/debug_log.h"
#include "os/file_replace.h"
#include "unzip/crc32.h"

namespace {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

bool ProveMedia(TWizardContext& context, const MediaRetry& retry) {
  if (!context.media_reader) return true;
  for (;;) {
    const copy::MediaReading& reading = context.media_reader->Read();
    if (reading.refusal.empty()) {
      if (!reading.note.empty()) DebugNote(reading.note);
      context.media = reading.manifest ? &*reading.manifest : nullptr;
      return true;
    }
    DebugNote("Kit refuzat: " + OneLine(reading.refusal));
    const std::string text = reading.refusal + "\rIntroduceti din nou discul 1 si apasati Retry.";
    if (!retry(text, reading.refusal_caption)) {
      context.state.Failures.push_back(reading.refusal);
      return false;
    }
  }
}

std::string UpgradeArchiveRefusal(const copy::MediaManifest* media, const std::string& archive) {
  if (!media || !media->proven) return {};
  const copy::PieceRecord* expected = media->Piece(copy::kUpgradePiece);
  const std::optional<std::string> bytes = os::ReadWholeFile(archive);
  if (!expected || !bytes || static_cast<int64_t>(bytes->size()) != expected->size ||
      unzip::Crc32(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()) !=
          expected->crc ||
      os::Sha256Of(*bytes) != expected->sha256) {
    return std::string(copy::kUpgradePiece) + " de pe discul 1 nu este cel semnat de editor:\r" +
           copy::NotThePublishers();
  }
  return {};
}

int32_t MediaDiskCount(const TWizardContext& context, const std::string& program_dir) {
  if (context.media && context.media->proven) return context.media->disks;
  return ReadDiskCount(program_dir);
}
