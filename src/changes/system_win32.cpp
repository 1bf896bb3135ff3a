#include "changes/system_win32.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlwapi.h>

#include <cstring>
#include <set>
#include <vector>

#include "changes/files.h"
#include "changes/journal.h"
#include "changes/rollback.h"
#include "os/run_and_wait.h"
#include "os/text_encoding.h"
#include "os/text_lines.h"
#include "os/trust_boundary.h"

namespace changes {

namespace {

constexpr char kMachineRoot[] = "HKEY_LOCAL_MACHINE\\";
constexpr char kAbsent[] =
    "\x01"
    "absent";

// "FILE|SECTION|KEY": where a profile value lives.
std::string ProfileTarget(const std::string& file, const std::string& section,
                          const std::string& key) {
  return file + "|" + section + "|" + key;
}

// Texts of the profile and the registry go through the wide functions: the system keeps each
// file in the encoding it reads (WIN.INI in the ANSI code page) and the registry in UTF-16.
std::wstring W(const std::string& text) {
  return os::WideShown(text);
}

// A name that may be absent: nothing for an empty one.
const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

std::optional<std::string> ReadProfile(const std::string& file, const std::string& section,
                                       const std::string& key) {
  wchar_t buffer[2048] = L"";
  const std::wstring absent = W(kAbsent);
  if (file.empty()) {
    GetProfileStringW(W(section).c_str(), W(key).c_str(), absent.c_str(), buffer, 2048);
  } else {
    GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), absent.c_str(), buffer, 2048,
                             W(file).c_str());
  }
  if (absent == buffer) return std::nullopt;
  return os::Utf8Shown(buffer);
}

// An empty `key` with no value removes the whole section.
bool WriteProfile(const std::string& file, const std::string& section, const std::string& key,
                  const std::optional<std::string>& value) {
  const std::wstring wide_value = value ? W(*value) : std::wstring(), wide_key = W(key);
  const wchar_t* text = value ? wide_value.c_str() : nullptr;
  const wchar_t* name = OrNull(wide_key);
  return file.empty()
             ? WriteProfileStringW(W(section).c_str(), name, text) != 0
             : WritePrivateProfileStringW(W(section).c_str(), name, text, W(file).c_str()) != 0;
}

bool SectionEmpty(const std::string& file, const std::string& section) {
  wchar_t keys[4] = L"";
  const DWORD n = file.empty() ? GetProfileStringW(W(section).c_str(), nullptr, L"", keys, 4)
                               : GetPrivateProfileStringW(W(section).c_str(), nullptr, L"", keys, 4,
                                                          W(file).c_str());
  return n == 0;
}

std::string SplitLast(const std::string& text, std::string& rest) {
  const size_t bar = text.rfind('|');
  rest = text.substr(0, bar == std::string::npos ? 0 : bar);
  return bar == std::string::npos ? text : text.substr(bar + 1);
}

// A registry value as type and bytes, written "TYPE:HEX" so that any value comes back whole.
std::string EncodeRaw(DWORD type, const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text = std::to_string(type) + ":";
  for (const unsigned char b : bytes) {
    text += kHex[b >> 4];
    text += kHex[b & 15];
  }
  return text;
}

bool DecodeRaw(const std::string& text, DWORD& type, std::string& bytes) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || (text.size() - colon - 1) % 2) return false;
  type = static_cast<DWORD>(std::stoul(text.substr(0, colon)));
  bytes.clear();
  for (size_t i = colon + 1; i + 1 < text.size(); i += 2)
    bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  return true;
}

std::optional<std::string> ReadRaw(const std::string& key, const std::string& name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, W(key).c_str(), 0, KEY_QUERY_VALUE, &handle) !=
      ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<std::string> raw;
  const std::wstring wide_name = W(name);
  if (RegQueryValueExW(handle, OrNull(wide_name), nullptr, &type, nullptr, &size) ==
      ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    if (RegQueryValueExW(handle, OrNull(wide_name), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS) {
      bytes.resize(size);
      raw = EncodeRaw(type, bytes);
    }
  }
  RegCloseKey(handle);
  return raw;
}

bool KeyExists(const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, W(key).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

// Journals each key of `key`'s path that does not exist yet, from the top down; `recorded` holds
// the keys journaled already and not made yet.
bool RecordMissingKeys(const std::string& key, std::set<std::string>* recorded = nullptr) {
  for (size_t cut = key.find('\\');; cut = key.find('\\', cut + 1)) {
    const std::string part = cut == std::string::npos ? key : key.substr(0, cut);
    if (!KeyExists(part) && (!recorded || recorded->insert(part).second)) {
      Change change;
      change.kind = Kind::kRegistryKey;
      change.target = part;
      if (!Record(change)) return false;
    }
    if (cut == std::string::npos) return true;
  }
}

bool RecordValue(const std::string& key, const std::string& name, const std::string& raw,
                 const std::string& description) {
  Change change;
  change.kind = Kind::kRegistry;
  change.description = description;
  change.target = key + "|" + name;
  change.value = raw;
  change.previous = ReadRaw(key, name);
  return Record(change);
}

bool WriteRaw(const std::string& key, const std::string& name, DWORD type,
              const std::string& bytes) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, W(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring wide_name = W(name);
  const bool ok = RegSetValueExW(handle, OrNull(wide_name), 0, type,
                                 reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return ok;
}

// What a registration file names: its keys under HKEY_LOCAL_MACHINE and their value names.
struct RegistryFileKey {
  std::string key;
  std::vector<std::string> names;
};

std::string ValueName(const std::string& line) {
  if (line.rfind("@=", 0) == 0) return {};
  std::string name;
  for (size_t i = 1; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    name += line[i];
  }
  return name;
}

std::vector<RegistryFileKey> ParseRegistryFile(const std::string& text) {
  std::vector<RegistryFileKey> keys;
  for (const std::string& raw : os::SplitLines(text)) {
    const std::string line = raw.substr(0, raw.find_last_not_of(" \t") + 1);
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      const std::string path = line.substr(1, line.size() - 2);
      // Keys of other roots, or "[-KEY]" removals, are not the setup's.
      if (path.rfind(kMachineRoot, 0) != 0) {
        keys.push_back({});
        continue;
      }
      keys.push_back({path.substr(sizeof kMachineRoot - 1), {}});
    } else if (!keys.empty() && !keys.back().key.empty() &&
               (line.rfind("\"", 0) == 0 || line.rfind("@=", 0) == 0)) {
      keys.back().names.push_back(ValueName(line));
    }
  }
  return keys;
}

std::string UndoProfile(const Change& c) {
  std::string rest, section_path;
  const std::string key = SplitLast(c.target, rest);
  const std::string section = SplitLast(rest, section_path);
  const std::string& file = section_path;
  if (ReadProfile(file, section, key) != std::optional<std::string>(c.value))
    return "[" + section + "] " + key + " a fost schimbat dupa instalare";
  if (!WriteProfile(file, section, key, c.previous)) return "nu pot scrie [" + section + "] " + key;
  // A section the run made goes with its last value.
  if (!c.previous && SectionEmpty(file, section)) WriteProfile(file, section, {}, std::nullopt);
  return {};
}

std::string UndoRegistry(const Change& c) {
  std::string key;
  const std::string name = SplitLast(c.target, key);
  // A value the run set itself is put back only while it holds what the run wrote; the values
  // of an imported file are put back as they were.
  if (!c.value.empty() && ReadRaw(key, name) != std::optional<std::string>(c.value))
    return key + " " + name + " a fost schimbat dupa instalare";
  if (!c.previous) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, W(key).c_str(), 0, KEY_SET_VALUE, &handle) !=
        ERROR_SUCCESS)
      return {};
    const std::wstring wide_name = W(name);
    const LONG r = RegDeleteValueW(handle, OrNull(wide_name));
    RegCloseKey(handle);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND ? std::string()
                                                           : "nu pot sterge " + key + " " + name;
  }
  DWORD type = 0;
  std::string bytes;
  if (!DecodeRaw(*c.previous, type, bytes) || !WriteRaw(key, name, type, bytes))
    return "nu pot scrie " + key + " " + name;
  return {};
}

std::string UndoRegistryKey(const Change& c) {
  const LONG r = RegDeleteKeyW(HKEY_LOCAL_MACHINE, W(c.target).c_str());
  if (r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND) return {};
  return "nu pot sterge cheia " + c.target;
}

}  // namespace

bool SetProfileString(const std::string& section, const std::string& key, const std::string& value,
                      const std::string& file) {
  Change change;
  change.kind = Kind::kProfile;
  change.target = ProfileTarget(file, section, key);
  change.value = value;
  change.previous = ReadProfile(file, section, key);
  change.description = "set " + (file.empty() ? std::string("WIN.INI") : file) + " [" + section +
                       "] " + key + "=" + value +
                       (change.previous ? " (was " + *change.previous + ")" : " (was not set)");
  if (!Record(change)) return false;
  return Planning() || WriteProfile(file, section, key, value);
}

namespace {

// What a value held, as the person's line shows it.
std::string Shown(const std::optional<std::string>& raw) {
  DWORD type = 0;
  std::string bytes;
  if (!raw || !DecodeRaw(*raw, type, bytes)) return "not set";
  if (type == REG_SZ) {
    std::wstring text(bytes.size() / 2, L'\0');
    memcpy(text.data(), bytes.data(), text.size() * 2);
    return os::Utf8Shown(text.substr(0, text.find(L'\0')));
  }
  if (type == REG_DWORD && bytes.size() == 4) {
    uint32_t n = 0;
    memcpy(&n, bytes.data(), 4);
    return std::to_string(n);
  }
  return "?";
}

bool SetRegistryValue(const std::string& key, const std::string& name, DWORD type,
                      const std::string& bytes, const std::string& shown) {
  const std::string description = "set registry HKLM\\" + key + " " + name + "=" + shown +
                                  " (was " + Shown(ReadRaw(key, name)) + ")";
  if (!RecordMissingKeys(key)) return false;
  if (!RecordValue(key, name, EncodeRaw(type, bytes), description)) return false;
  return Planning() || WriteRaw(key, name, type, bytes);
}

}  // namespace

bool SetRegistryNumber(const std::string& key, const std::string& name, uint32_t value) {
  std::string bytes(4, '\0');
  memcpy(bytes.data(), &value, 4);
  return SetRegistryValue(key, name, REG_DWORD, bytes, std::to_string(value));
}

void RemoveRegistryTree(const std::string& key) {
  SHDeleteKeyW(HKEY_LOCAL_MACHINE, W(key).c_str());
}

bool SetRegistryString(const std::string& key, const std::string& name, const std::string& value) {
  // Stored in UTF-16, as the wide functions read it back.
  const std::wstring text = W(value) + L'\0';
  std::string bytes(text.size() * 2, '\0');
  memcpy(bytes.data(), text.data(), bytes.size());
  return SetRegistryValue(key, name, REG_SZ, bytes, value);
}

bool ImportRegistryFile(const std::string& path, const std::string& text,
                        const std::string& command_line, const std::string& description) {
  Change note;
  note.kind = Kind::kNote;
  note.description = description;
  if (!Record(note)) return false;
  if (Planning()) return true;
  if (!ReplaceTextFile(path, text, {})) return false;
  std::set<std::string> recorded;
  for (const RegistryFileKey& key : ParseRegistryFile(text)) {
    if (key.key.empty()) continue;
    if (!RecordMissingKeys(key.key, &recorded)) return false;
    for (const std::string& name : key.names) {
      if (!RecordValue(key.key, name, {}, {})) return false;
    }
  }
  return os::RunAndWait(command_line, os::kShowMinimized, trust::SystemFolder()) != -1;
}

int32_t RunProgram(const std::string& command_line, uint16_t show_mode, const UndoneBy& undone_by) {
  Change change;
  change.kind = undone_by.handler.empty() ? Kind::kRun : Kind::kDomain;
  change.description = "run " + command_line;
  change.handler = undone_by.handler;
  change.target = undone_by.target;
  change.value = undone_by.value;
  if (!Record(change)) return -1;
  // In the system folder: the program directory it would have run in is any user's to fill.
  return Planning() ? 0 : os::RunAndWait(command_line, show_mode, trust::SystemFolder());
}

std::optional<std::string> ReadRegistryValue(const std::string& target) {
  std::string key;
  const std::string name = SplitLast(target, key);
  return ReadRaw(key, name);
}

bool RegistryKeyExists(const std::string& key) {
  return KeyExists(key);
}

std::optional<std::string> ReadProfileValue(const std::string& target) {
  std::string rest, file;
  const std::string key = SplitLast(target, rest);
  const std::string section = SplitLast(rest, file);
  return ReadProfile(file, section, key);
}

bool PutBackRegistryValue(const std::string& target, const std::string& raw) {
  std::string key;
  const std::string name = SplitLast(target, key);
  DWORD type = 0;
  std::string bytes;
  if (!DecodeRaw(raw, type, bytes)) return false;
  return SetRegistryValue(key, name, type, bytes, Shown(raw));
}

bool PutBackRegistryKey(const std::string& key) {
  if (!RecordMissingKeys(key)) return false;
  if (Planning()) return true;
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, W(key).c_str(), 0, nullptr, 0, KEY_READ, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

bool PutBackProfileValue(const std::string& target, const std::string& value) {
  std::string rest, file;
  const std::string key = SplitLast(target, rest);
  const std::string section = SplitLast(rest, file);
  return SetProfileString(section, key, value, file);
}

void RegisterSystemUndo() {
  RegisterUndo(Kind::kProfile, {}, &UndoProfile);
  RegisterUndo(Kind::kRegistry, {}, &UndoRegistry);
  RegisterUndo(Kind::kRegistryKey, {}, &UndoRegistryKey);
}

}  // namespace changes
