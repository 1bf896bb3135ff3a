// The engine's registry step against the real registry and regedit, under keys of the test's
// own so that the machine's engine registration is never touched.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shlwapi.h>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "bde/engine_registration.h"
#include "support/machine_state_lock.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

constexpr char kRoot[] = "Software\\VortTest";

std::optional<std::string> ReadString(const std::string& key_path, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  char value[1024] = "";
  DWORD size = sizeof value - 1, type = 0;
  const LONG r = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(value);
}

void WriteString(const std::string& key_path, const char* name, const std::string& value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

class EngineRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    keys.registered = std::string(kRoot) + "\\BLW32";
    keys.engine = std::string(kRoot) + "\\Database Engine";
    keys.windows = std::string(kRoot) + "\\Windows";
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot);
  }
  void TearDown() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot); }

  MachineStateLock lock_;
  bde::EngineRegistryKeys keys;
};

}  // namespace

TEST_F(EngineRegistry, RegisteredEngineCountsOneMoreUser) {
  WriteString(keys.registered, "x", "");
  WriteString(keys.engine, "UseCount", "7");
  bde::RegisterEngineOrCountUser(keys);
  EXPECT_EQ(ReadString(keys.engine, "UseCount"), "8");

  WriteString(keys.engine, "UseCount", "");
  bde::RegisterEngineOrCountUser(keys);
  EXPECT_EQ(ReadString(keys.engine, "UseCount"), "1");
  bde::RegisterEngineOrCountUser(keys);
  EXPECT_EQ(ReadString(keys.engine, "UseCount"), "2") << "each run counts again";
}

TEST_F(EngineRegistry, RegisteredEngineWithoutItsKeyFailsAndWritesNothing) {
  WriteString(keys.registered, "x", "");
  EXPECT_THROW(bde::RegisterEngineOrCountUser(keys), std::runtime_error);
  EXPECT_EQ(ReadString(keys.engine, "UseCount"), std::nullopt);
}

TEST_F(EngineRegistry, NewEngineTemplateIsRewrittenAndImported) {
  TempDir dir;
  const std::string program_files = dir.File("Program Files");
  const std::string bde = program_files + "\\Borland\\Common Files\\BDE";
  std::filesystem::create_directories(bde);
  WriteString(keys.windows, "ProgramFilesDir", program_files);
  dir.Write("Program Files\\Borland\\Common Files\\BDE\\bde.reg",
            "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\VortTest\\Imported]\n"
            "\"Dir\"=\"$ProgDir$\\\\Borland\"\n"
            "\"Twice\"=\"$ProgDir$|$ProgDir$\"\n");

  bde::RegisterEngineOrCountUser(keys);

  const std::string escaped = std::filesystem::path(program_files).string();
  std::string doubled;
  for (char c : escaped) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(dir.Read("Program Files\\Borland\\Common Files\\BDE\\bde.reg"),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\VortTest\\Imported]\r\n"
            "\"Dir\"=\"" +
                doubled +
                "\\\\Borland\"\r\n"
                "\"Twice\"=\"" +
                doubled + "|$ProgDir$\"\r\n");
  EXPECT_EQ(ReadString(std::string(kRoot) + "\\Imported", "Dir"), program_files + "\\Borland");
  EXPECT_EQ(ReadString(std::string(kRoot) + "\\Imported", "Twice"), program_files + "|$ProgDir$");
}

TEST_F(EngineRegistry, NewEngineWithoutTemplateOrProgramFilesFails) {
  EXPECT_THROW(bde::RegisterEngineOrCountUser(keys), std::runtime_error) << "no directory";
  TempDir dir;
  WriteString(keys.windows, "ProgramFilesDir", dir.File("Program Files"));
  EXPECT_THROW(bde::RegisterEngineOrCountUser(keys), std::runtime_error) << "no template";
}
