// The engine's place as the Windows registry records it.
#pragma once

#include <windows.h>

#include "bde/engine_directory.h"

namespace bde {

class SystemEngineRegistry : public EngineRegistry {
 public:
  // Tests give a scratch key in place of HKEY_LOCAL_MACHINE.
  explicit SystemEngineRegistry(HKEY root = HKEY_LOCAL_MACHINE) : root_(root) {}

  bool EngineInstalled() override;
  std::optional<std::string> EngineVersion() override;
  std::optional<std::string> EngineDllPath() override;
  std::optional<std::string> ProgramFilesDir() override;

 private:
  std::optional<std::string> ReadText(const char* key, const char* value);
  HKEY root_;
};

// A text value of a registry key; nothing when the key or value is missing or holds no text.
std::optional<std::string> ReadRegistryText(HKEY root, const char* key, const char* value);

}  // namespace bde
