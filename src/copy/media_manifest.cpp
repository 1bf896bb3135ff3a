#include "copy/media_manifest.h"

#include <cctype>
#include <cstdlib>

#include "forms/ini_file.h"
#include "os/os.h"

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
    const std::string text = ini.ReadString("Pieces", name, "");
    const size_t crc_at = text.find_last_of(' ');
    int64_t numbers[2], crc[1];
    if (crc_at == std::string::npos || text.size() - crc_at != 9 ||
        !ParseFields(text.substr(0, crc_at), 10, numbers, 2) ||
        !ParseFields(text.substr(crc_at + 1), 16, crc, 1)) {
      return std::nullopt;
    }
    manifest.pieces[Upper(name)] = {static_cast<int>(numbers[0]), numbers[1],
                                    static_cast<uint32_t>(crc[0])};
  }
  for (const std::string& name : ini.ReadSection("Archives")) {
    int64_t numbers[2];
    if (!ParseFields(ini.ReadString("Archives", name, ""), 10, numbers, 2)) return std::nullopt;
    manifest.archives[Upper(name)] = {numbers[0], numbers[1]};
  }
  return manifest;
}

}  // namespace copy
