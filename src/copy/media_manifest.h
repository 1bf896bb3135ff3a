// The media manifest that mkmedia writes into INSTALL.CFG: every piece with its disk, size and
// CRC-32, every archive with what it unpacks to, and the kind of media. Older media have none
// and are installed as before.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace copy {

struct PieceRecord {
  int disk = 0;
  int64_t size = 0;
  uint32_t crc = 0;
};

struct ArchiveRecord {
  int64_t unpacked = 0;  // bytes of its files
  int64_t files = 0;
};

struct MediaManifest {
  // Upgrade media carry the upgrade selection alone: no engine, no data.
  bool upgrade = false;
  std::map<std::string, PieceRecord> pieces;      // by name in capitals ("EXE.2")
  std::map<std::string, ArchiveRecord> archives;  // by name in capitals ("EXE")

  const PieceRecord* Piece(const std::string& name) const;
  const ArchiveRecord* Archive(const std::string& name) const;
};

// The manifest of a setup configuration file; nothing for a file without one. A damaged line
// makes the whole manifest count as missing, so that nothing good is refused on its word.
std::optional<MediaManifest> ReadMediaManifest(const std::string& config_path);

}  // namespace copy
