#include "forms/ini_file.h"

#include <cctype>
#include <cstdio>

#include "os/os.h"

namespace {

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseIntegerText(const std::string& raw, int32_t& value) {
  const std::string text = Trim(raw);
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const int d = hex ? HexDigit(text[i])
                      : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    // Hexadecimal may spell the full 32-bit pattern (colours like $FFFFFFFF); decimal may not
    // leave the signed range.
    if (v > (hex ? 0xFFFFFFFFull : 0x80000000ull)) return false;
  }
  if (!hex && !negative && v > 0x7FFFFFFFull) return false;
  const uint32_t bits = static_cast<uint32_t>(v);
  value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

TMemIniFile::TMemIniFile(std::string file_name) : file_name_(std::move(file_name)) {
  os::File f = os::File::Open(file_name_, os::OpenMode::kRead);
  if (!f) return;
  std::string text;
  char buffer[4096];
  for (;;) {
    const int32_t n = f.Read(buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<size_t>(n));
  }
  SetText(text);
}

void TMemIniFile::SetText(const std::string& text) {
  sections_.clear();
  Section* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      const std::string name =
          Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      current = FindSection(name);
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    if (!current) continue;  // keys before any section belong nowhere
    const size_t eq = line.find('=');
    const std::string key = Trim(eq == std::string::npos ? line : line.substr(0, eq));
    const std::string value = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
    // The first occurrence of a key wins, as with the system's profile reader.
    bool known = false;
    for (const auto& e : current->entries) known = known || SameText(e.key, key);
    if (!known) current->entries.push_back({key, value});
  }
}

std::string TMemIniFile::Text() const {
  std::string out;
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& e : s.entries) out += e.key + "=" + e.value + "\r\n";
    out += "\r\n";
  }
  return out;
}

const TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name) const {
  for (const auto& s : sections_)
    if (SameText(s.name, name)) return &s;
  return nullptr;
}

TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name) {
  for (auto& s : sections_)
    if (SameText(s.name, name)) return &s;
  return nullptr;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& default_value) const {
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries)
      if (SameText(e.key, key)) return e.value;
  return default_value;
}

int32_t TMemIniFile::ReadInteger(const std::string& section, const std::string& key,
                                 int32_t default_value) const {
  int32_t v = 0;
  return ParseIntegerText(ReadString(section, key, ""), v) ? v : default_value;
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& key,
                           bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries)
    if (SameText(e.key, key)) {
      e.value = value;
      return;
    }
  s->entries.push_back({key, value});
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool TMemIniFile::SectionExists(const std::string& section) const {
  return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string& section, const std::string& key) const {
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries)
      if (SameText(e.key, key)) return true;
  return false;
}

std::vector<std::string> TMemIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> TMemIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const auto& e : s->entries) keys.push_back(e.key);
  return keys;
}

void TMemIniFile::EraseSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it)
    if (SameText(it->name, section)) {
      sections_.erase(it);
      return;
    }
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& key) {
  if (Section* s = FindSection(section))
    for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
      if (SameText(it->key, key)) {
        s->entries.erase(it);
        return;
      }
}

bool TMemIniFile::UpdateFile() const {
  // Written beside the target first so that a full disk cannot leave half a file behind.
  const std::string text = Text();
  const std::string temp = file_name_ + ".tmp";
  {
    os::File f = os::File::Open(temp, os::OpenMode::kCreate);
    if (!f) return false;
    const bool written = f.Write(text.data(), static_cast<uint32_t>(text.size())) ==
                         static_cast<int32_t>(text.size());
    if (!f.Close() || !written) {
      os::RemoveFile(temp);
      return false;
    }
  }
  if (!os::MoveReplace(temp, file_name_)) {
    os::RemoveFile(temp);
    return false;
  }
  return true;
}
