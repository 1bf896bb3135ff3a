// The media manifest that mkmedia writes into INSTALL.CFG: every piece with its disk, size, CRC-32
// and SHA-256, every archive with what it unpacks to and its SHA-256, and the kind of media.
// Older media have none and are installed as before; older manifests carry no SHA-256.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "os/sha256.h"

namespace copy {

struct PieceRecord {
  int disk = 0;
  int64_t size = 0;
  uint32_t crc = 0;
  std::optional<os::Sha256Digest> sha256;
};

struct ArchiveRecord {
  int64_t unpacked = 0;  // bytes of its files
  int64_t files = 0;
  std::optional<os::Sha256Digest> sha256;  // of the assembled archive
};

// The upgrade library's archive on disk 1, listed among the pieces.
constexpr char kUpgradePiece[] = "UPGRADE.1";

struct MediaManifest {
  // Upgrade media carry the upgrade selection alone: no engine, no data.
  bool upgrade = false;
  int disks = 0;                                  // [General] NrDiscuri of the same text
  std::map<std::string, PieceRecord> pieces;      // by name in capitals ("EXE.2")
  std::map<std::string, ArchiveRecord> archives;  // by name in capitals ("EXE")
  // Proved the publisher's by its signature: it names every piece and archive the media may
  // hold, each with its SHA-256.
  bool proven = false;

  const PieceRecord* Piece(const std::string& name) const;
  const ArchiveRecord* Archive(const std::string& name) const;
  // A disk count, a SHA-256 on every piece and archive, and every piece but the upgrade
  // library's in a listed archive: what a signed manifest must be.
  bool Complete() const;
};

// The manifest in setup configuration text; nothing for text without one. A damaged line makes
// the whole manifest count as missing, so that nothing good is refused on its word.
std::optional<MediaManifest> ParseMediaManifest(const std::string& text);
std::optional<MediaManifest> ReadMediaManifest(const std::string& config_path);

}  // namespace copy
