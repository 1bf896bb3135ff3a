#include "copy/media_manifest.h"

#include <cctype>
#include <sstream>

#include "forms/ini_file.h"
#include "os/os.h"

namespace copy {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

template <class T>
const T* Find(const std::map<std::string, T>& map, const std::string& name) {
  const auto it = map.find(Upper(name));
  return it == map.end() ? nullptr : &it->second;
}

}  // namespace

const PieceRecord* MediaManifest::Piece(const std::string& name) const {
  return Find(pieces, name);
}

const ArchiveRecord* MediaManifest::Archive(const std::string& name) const {
  return Find(archives, name);
}

std::optional<MediaManifest> ReadMediaManifest(const std::string& config_path) {
  if (!os::FileExists(config_path)) return std::nullopt;
  const TMemIniFile ini(config_path);
  if (!ini.SectionExists("Media")) return std::nullopt;
  MediaManifest manifest;
  manifest.upgrade = Upper(ini.ReadString("Media", "Kind", "")) == "UPGRADE";
  for (const std::string& name : ini.ReadSection("Pieces")) {
    std::istringstream fields(ini.ReadString("Pieces", name, ""));
    PieceRecord piece;
    std::string crc;
    if (!(fields >> piece.disk >> piece.size >> crc) || crc.size() != 8 ||
        crc.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
      return std::nullopt;
    }
    piece.crc = static_cast<uint32_t>(std::stoul(crc, nullptr, 16));
    manifest.pieces[Upper(name)] = piece;
  }
  for (const std::string& name : ini.ReadSection("Archives")) {
    std::istringstream fields(ini.ReadString("Archives", name, ""));
    ArchiveRecord archive;
    if (!(fields >> archive.unpacked >> archive.files)) return std::nullopt;
    manifest.archives[Upper(name)] = archive;
  }
  return manifest;
}

}  // namespace copy
