#include "bde/engine_registration.h"

#include <windows.h>

#include <optional>
#include <stdexcept>

#include "bde/registration_template.h"
#include "bde/use_count.h"
#include "changes/journal.h"
#include "changes/system_win32.h"
#include "os/ansi_code_page.h"
#include "os/file_replace.h"
#include "os/run_and_wait.h"
#include "os/trust_boundary.h"

namespace bde {

namespace {

class RegKey {
 public:
  RegKey(const std::string& path, REGSAM access) {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  explicit operator bool() const { return key_ != nullptr; }

  // A string value; a number value as its decimal text; nothing otherwise.
  std::optional<std::string> Read(const char* name) const {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    data.resize(size);
    if (type == REG_DWORD && size == sizeof(DWORD)) {
      DWORD value;
      memcpy(&value, data.data(), sizeof value);
      return std::to_string(value);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    return data.substr(0, data.find('\0'));
  }

 private:
  HKEY key_ = nullptr;
};

void CountOneMoreUser(const EngineRegistryKeys& keys) {
  // Never created here: without the engine's key the count has nowhere sound to go.
  RegKey engine(keys.engine, KEY_QUERY_VALUE);
  if (!engine) throw std::runtime_error("Nu pot deschide cheia " + keys.engine);
  if (!changes::SetRegistryString(keys.engine, "UseCount", NextUseCount(engine.Read("UseCount")))) {
    throw std::runtime_error("Nu pot scrie UseCount in " + keys.engine);
  }
}

std::string ProgramFilesOf(const EngineRegistryKeys& keys) {
  std::optional<std::string> program_files;
  if (RegKey windows(keys.windows, KEY_READ); windows) {
    program_files = windows.Read("ProgramFilesDir");
    if (program_files) program_files = os::FromAnsiCodePage(*program_files);
  }
  if (!program_files || program_files->empty()) {
    throw std::runtime_error("Nu gasesc ProgramFilesDir in " + keys.windows);
  }
  return *program_files;
}

// Imports the registration text `text` (nothing: the template in `path` as it is, in a dry run).
void Import(const std::string& path, const std::optional<std::string>& text,
            const std::string& program_files) {
  // By its full path: "regedit" alone would be looked for beside the program and in the current
  // folder (the program directory) first.
  const std::optional<std::string> regedit = trust::RegistryEditorPath(trust::WindowsFolder());
  if (!regedit) throw std::runtime_error("Nu pot inregistra motorul din " + path);
  const std::string command = RegeditCommandLine(*regedit, program_files);
  const std::string description = "register the database engine from " + path;
  if (!changes::ImportRegistryFile(path, text.value_or(std::string()), command, description) &&
      text) {
    throw std::runtime_error("Nu pot inregistra motorul din " + path);
  }
}

void ImportTemplate(const EngineRegistryKeys& keys) {
  const std::string program_files = ProgramFilesOf(keys);
  const std::string path = TemplatePath(program_files);
  // A dry run has not unpacked the template: its line is all there is to say.
  if (changes::Planning()) {
    Import(path, std::nullopt, program_files);
    return;
  }
  const std::optional<std::string> text = os::ReadWholeFile(path);
  if (!text) throw std::runtime_error("Nu pot citi " + path);
  // regedit reads the file in the ANSI code page, as the template is written.
  std::string reason;
  const std::optional<std::string> directory = os::AnsiPathBytes(program_files, &reason);
  if (!directory) throw std::runtime_error("Nu pot numi " + program_files + ": " + reason);
  Import(path, RewriteTemplate(*text, *directory), program_files);
}

}  // namespace

void ImportRegistrationAgain(const std::string& path, const std::string& text,
                             const EngineRegistryKeys& keys) {
  Import(path, text, ProgramFilesOf(keys));
}

void RegisterEngineOrCountUser(const EngineRegistryKeys& keys) {
  if (RegKey registered(keys.registered, KEY_READ); registered) {
    CountOneMoreUser(keys);
  } else {
    ImportTemplate(keys);
  }
}

}  // namespace bde
