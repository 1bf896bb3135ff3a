#include "copy/media_manifest.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "forms/ini_file.h"
#include "os/file_replace.h"

namespace copy {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Splits blank-separated numbers; false when a field is not a number of that base.
bool ParseFields(const std::string& text, int base, int64_t* values, size_t count) {
  const char* at = text.c_str();
  for (size_t i = 0; i < count; ++i) {
    while (*at == ' ') ++at;
    char* end = nullptr;
    values[i] = std::strtoll(at, &end, base);
    if (end == at || (*end != ' ' && *end != '\0')) return false;
    at = end;
  }
  while (*at == ' ') ++at;
  return *at == '\0';
}

// Takes a SHA-256 off the end of a line that has one: lines without keep the older form.
bool TakeSha256(std::string& text, std::optional<os::Sha256Digest>& digest) {
  const size_t at = text.find_last_of(' ');
  if (at == std::string::npos || text.size() - at != 65) return true;
  digest = os::ParseSha256(std::string_view(text).substr(at + 1));
  text.resize(at);
  return digest.has_value();
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

bool MediaManifest::Complete() const {
  return disks >= 1 &&
         std::all_of(pieces.begin(), pieces.end(),
                     [this](const auto& piece) {
                       return piece.second.sha256 &&
                              (piece.first == kUpgradePiece ||
                               archives.count(piece.first.substr(0, piece.first.find('.'))));
                     }) &&
         std::all_of(archives.begin(), archives.end(),
                     [](const auto& archive) { return archive.second.sha256.has_value(); });
}

std::optional<MediaManifest> ParseMediaManifest(const std::string& text) {
  TMemIniFile ini("");
  ini.SetText(text);
  if (!ini.SectionExists("Media")) return std::nullopt;
  MediaManifest manifest;
  manifest.upgrade = Upper(ini.ReadString("Media", "Kind", "")) == "UPGRADE";
  manifest.disks = ini.ReadInteger("General", "NrDiscuri", 0);
  for (const std::string& name : ini.ReadSection("Pieces")) {
    std::string line = ini.ReadString("Pieces", name, "");
    PieceRecord piece;
    if (!TakeSha256(line, piece.sha256)) return std::nullopt;
    const size_t crc_at = line.find_last_of(' ');
    int64_t numbers[2], crc[1];
    if (crc_at == std::string::npos || line.size() - crc_at != 9 ||
        !ParseFields(line.substr(0, crc_at), 10, numbers, 2) ||
        !ParseFields(line.substr(crc_at + 1), 16, crc, 1)) {
      return std::nullopt;
    }
    piece.disk = static_cast<int>(numbers[0]);
    piece.size = numbers[1];
    piece.crc = static_cast<uint32_t>(crc[0]);
    manifest.pieces[Upper(name)] = piece;
  }
  for (const std::string& name : ini.ReadSection("Archives")) {
    std::string line = ini.ReadString("Archives", name, "");
    ArchiveRecord archive;
    int64_t numbers[2];
    if (!TakeSha256(line, archive.sha256) || !ParseFields(line, 10, numbers, 2))
      return std::nullopt;
    archive.unpacked = numbers[0];
    archive.files = numbers[1];
    manifest.archives[Upper(name)] = archive;
  }
  return manifest;
}

std::optional<MediaManifest> ReadMediaManifest(const std::string& config_path) {
  const std::optional<std::string> text = os::ReadWholeFile(config_path);
  if (!text) return std::nullopt;
  return ParseMediaManifest(*text);
}

}  // namespace copy
