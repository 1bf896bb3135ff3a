#include "wizard/installation_entry.h"

#include <windows.h>

#include <cstdio>
#include <map>

#include "changes/files.h"
#include "changes/journal.h"
#include "changes/system_win32.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "state/product.h"
#include "wizard/installation_records.h"

namespace {

// Bytes of the files the installation wrote, each at its last size: from its journal (an older
// release's in the program directory) and this run's, so that a dry run says what the run will.
int64_t InstalledBytes(const std::string& records, const std::string& program_dir) {
  std::map<std::string, int64_t> files;
  const auto count = [&files](const changes::Change& c) {
    if (c.kind == changes::Kind::kFile && c.size > 0) files[c.target] = c.size;
  };
  std::string journal = records + "\\" + changes::kInstallationJournal;
  if (!os::FileExists(journal)) journal = program_dir + "\\" + changes::kInstallationJournal;
  for (const changes::Change& c : changes::LoadJournal(journal)) count(c);
  for (const changes::Change& c : changes::RunChanges()) count(c);
  int64_t total = 0;
  for (const auto& file : files) total += file.second;
  return total;
}

std::string Today() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char text[16];
  std::snprintf(text, sizeof text, "%04u%02u%02u", t.wYear, t.wMonth, t.wDay);
  return text;
}

bool CopyUninstaller(const std::string& target) {
  const std::string self = os::ProgramPath();
  if (changes::Planning()) {
    changes::PlanFile(target, os::FileSize(self).value_or(0));
    return true;
  }
  const std::string scratch = target + ".$$$";
  if (!os::CopyWholeFile(self, scratch)) return false;
  if (changes::CommitFile(scratch, target)) return true;
  os::RemoveFile(scratch);
  return false;
}

}  // namespace

bool RegisterInstallation(const TInstallState& state) {
  OpenDataFolders(state);
  if (const std::string refusal = PrepareRecordsFolder(); !refusal.empty()) {
    DebugNote("Eroare: " + os::OneLine(refusal));
    return false;
  }
  const std::string records = *RecordsFolder();
  const std::string dir = os::WithoutTrailingBackslash(state.ProgramDir);
  const std::string uninstaller = "\"" + records + "\\" + kUninstallerName + "\" /UNINSTALL";
  // The entry's repair takes the files from the kit the installation came from. No trailing
  // backslash: before the closing quote it would escape it.
  const std::string repair = "\"" + records + "\\" + kUninstallerName + "\" /REPAIR \"/MEDIA=" +
                             os::WithoutTrailingBackslash(state.SourceDir) + "\"";
  if (!CopyUninstaller(records + "\\" + kUninstallerName)) return false;
  const int64_t bytes = InstalledBytes(records, dir);
  const struct {
    const char* name;
    std::string value;
  } texts[] = {
      {"DisplayName", kProductName},
      {"DisplayVersion", FormatVersion(kProgramVersion)},
      {"Publisher", kPublisher},
      {"InstallLocation", dir},
      {"InstallDate", Today()},
      {"UninstallString", uninstaller},
      {"QuietUninstallString", uninstaller + " /VERYSILENT"},
      {"ModifyPath", repair},
      {"URLInfoAbout", std::string("http://") + kWebAddress},
  };
  for (const auto& text : texts) {
    if (!changes::SetRegistryString(kUninstallKey, text.name, text.value)) return false;
  }
  // Deployment tools still read a hidden entry; Add or Remove Programs lists the package's.
  if (state.EntryHidden && !changes::SetRegistryNumber(kUninstallKey, "SystemComponent", 1))
    return false;
  return changes::SetRegistryNumber(kUninstallKey, "EstimatedSize",
                                    static_cast<uint32_t>((bytes + 1023) / 1024)) &&
         changes::SetRegistryNumber(kUninstallKey, "NoModify", 1) &&
         changes::SetRegistryNumber(kUninstallKey, "NoRepair", 0);
}
