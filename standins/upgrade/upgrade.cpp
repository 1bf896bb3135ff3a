// Sample upgrade library: the seven entry points the setup program binds. Its tasks touch
// nothing but a trace file in the database directory, so tests can see what ran and how.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/alias_store.h"
#include "common/trace.h"

namespace {

using ReportProc = void(WINAPI*)(HGLOBAL text);

constexpr char kMainAlias[] = "VORTEL";
constexpr char kTraceFile[] = "UPGRADE.TRC";
constexpr char kFailFile[] = "UPGRADE.FAIL";
constexpr char kFailVariable[] = "VORT_UPGRADE_FAIL";

struct Task {
  const char* entry;    // exported name, written to the trace
  const char* keyword;  // how a failure switch names it
  const char* caption;  // what the user reads
  std::vector<const char*> steps;
};

const Task kStructure{
    "DoStructureUpgrade", "structure", "Verificare structuri", {"FIRME", "PARTENERI", "DOCUMENTE"}};
const Task kLists{"DoListUpgrade", "lists", "Actualizare liste", {"JUDETE", "BANCI"}};
const Task kConstants{"DoConstUpgrade", "constants", "Actualizare constante", {"CONST"}};

ReportProc g_report = nullptr;
bool g_quick = false;
bool g_last_ok = false;

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The engine's alias file: beside the engine the process has loaded, else in a directory of
// the engine's registered search path, else beside this library.
std::string AliasFilePath() {
  if (HMODULE engine = GetModuleHandleA("IDAPI32.DLL")) {
    const std::string path = standin::ModuleDirectory(engine) + standin::kAliasFileName;
    if (FileExists(path)) return path;
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Borland\\Database Engine", 0, KEY_READ, &key) ==
      ERROR_SUCCESS) {
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const bool found = RegQueryValueExA(key, "DLLPATH", nullptr, &type,
                                        reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                       type == REG_SZ;
    RegCloseKey(key);
    std::string list = found ? value : "";
    for (size_t start = 0; start < list.size();) {
      size_t end = list.find(';', start);
      if (end == std::string::npos) end = list.size();
      std::string dir = list.substr(start, end - start);
      if (!dir.empty() && dir.back() != '\\') dir += '\\';
      if (!dir.empty() && FileExists(dir + standin::kAliasFileName))
        return dir + standin::kAliasFileName;
      start = end + 1;
    }
  }
  return standin::ModuleDirectory(standin::ThisModule()) + standin::kAliasFileName;
}

std::string AliasDirectory(const std::string& name) {
  const auto alias = standin::FindAlias(standin::LoadAliases(AliasFilePath()), name);
  return alias ? alias->path : std::string();
}

// Hands a text to the caller in a movable block that stays ours.
void Report(const std::string& text) {
  if (g_report == nullptr) return;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return;
  if (void* p = GlobalLock(block)) {
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    g_report(block);
  }
  GlobalFree(block);
}

bool ContainsWord(const std::string& text, const std::string& word) {
  std::string token;
  for (size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (IsCharAlphaNumericA(c)) {
      token += c;
      continue;
    }
    if (!token.empty() &&
        (lstrcmpiA(token.c_str(), word.c_str()) == 0 || lstrcmpiA(token.c_str(), "all") == 0))
      return true;
    token.clear();
  }
  return false;
}

// Tests make a task fail by naming it in an environment variable or in a file beside the data.
bool FailureRequested(const Task& task, const std::string& data_dir) {
  char value[512];
  const DWORD n = GetEnvironmentVariableA(kFailVariable, value, sizeof value);
  if (n > 0 && n < sizeof value && ContainsWord(value, task.keyword)) return true;
  return ContainsWord(standin::ReadWholeFile(data_dir + kFailFile).value_or(""), task.keyword);
}

void RunTask(const Task& task) {
  g_last_ok = false;
  Report(std::string(task.caption) + "...");
  std::string data_dir = AliasDirectory(kMainAlias);
  if (!data_dir.empty() && data_dir.back() != '\\') data_dir += '\\';
  const DWORD attributes = GetFileAttributesA(data_dir.c_str());
  if (data_dir.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    Report(std::string(task.caption) + ": nu gasesc baza de date " + kMainAlias);
    return;
  }
  for (const char* table : task.steps) Report(std::string(task.caption) + ": " + table);
  const bool fail = FailureRequested(task, data_dir);
  const std::string line = std::string(task.entry) + " quick=" + (g_quick ? "1" : "0") +
                           (fail ? " failed" : " ok") + "\r\n";
  const bool traced = standin::AppendToFile(data_dir + kTraceFile, line);
  g_last_ok = traced && !fail;
  Report(std::string(task.caption) + (g_last_ok ? ": gata" : ": eroare"));
}

}  // namespace

extern "C" {

void WINAPI GetAliasPath(char* buffer) {
  if (buffer == nullptr) return;
  const std::string name(buffer, strnlen(buffer, 255));
  const std::string path = AliasDirectory(name);
  const size_t n = path.size() < 255 ? path.size() : 255;
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
}

void WINAPI DoStructureUpgrade() {
  RunTask(kStructure);
}
void WINAPI DoListUpgrade() {
  RunTask(kLists);
}
void WINAPI DoConstUpgrade() {
  RunTask(kConstants);
}
void WINAPI SetReportProc(ReportProc proc) {
  g_report = proc;
}
void WINAPI SetQuickVerif(unsigned char on) {
  g_quick = on != 0;
}
unsigned char WINAPI GetSemaforOK() {
  return g_last_ok ? 1 : 0;
}

}  // extern "C"
