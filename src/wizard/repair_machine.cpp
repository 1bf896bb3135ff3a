#include "wizard/repair_machine.h"

#include <set>
#include <stdexcept>

#include "bde/engine.h"
#include "bde/engine_directory.h"
#include "bde/engine_registration.h"
#include "bde/engine_registry_win32.h"
#include "changes/files.h"
#include "changes/system_win32.h"
#include "config/program_group.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "unzip/unzip_report.h"

namespace {

class SystemProbe : public changes::MachineProbe {
 public:
  explicit SystemProbe(std::string program_dir) : program_dir_(std::move(program_dir)) {}

  bool DirectoryExists(const std::string& path) override { return os::DirectoryExists(path); }
  std::optional<os::FileStamp> FileStamp(const std::string& path) override {
    return os::StampOf(path);
  }
  std::optional<std::string> FileSha256(const std::string& path) override {
    return changes::FileSha256(path);
  }
  std::optional<std::string> RegistryValue(const std::string& target) override {
    return changes::ReadRegistryValue(target);
  }
  bool RegistryKeyExists(const std::string& key) override {
    return changes::RegistryKeyExists(key);
  }
  std::optional<std::string> ProfileValue(const std::string& target) override {
    return changes::ReadProfileValue(target);
  }
  bool DomainPresent(const changes::Change& change) override {
    if (change.handler == bde::kAliasHandler) return bde::AliasOpens(change.target);
    if (change.handler == config::kGroupHandler) return config::GroupPresent(program_dir_);
    return true;
  }

 private:
  std::string program_dir_;
};

bool InsideProgramFiles(const std::string& path) {
  bde::SystemEngineRegistry registry;
  const std::optional<std::string> program_files = bde::ProgramFilesDirectory(registry);
  return program_files && trust::PathInside(path, *program_files);
}

// A directory of the program made again gets the rights it was made with: outside Program Files,
// users only read and run what it holds.
std::string PutBackDirectory(const std::string& dir) {
  if (const std::string link = trust::LinkOnPath(dir); !link.empty())
    return "prin legatura " + link;
  const std::string sddl =
      trust::NewFolderSddl(trust::FolderRole::kProgram, false, InsideProgramFiles(dir));
  return changes::MakeDirectory(dir, sddl) ? std::string() : "nu poate fi creat";
}

std::string PutBackFile(const changes::Change& record, TRepairKit* kit) {
  const std::string dir = os::WithoutTrailingBackslash(os::DirectoryOf(record.target));
  if (const std::string link = trust::LinkOnPath(dir); !link.empty())
    return "prin legatura " + link;
  if (!kit) return "lipseste kitul";
  // A read-only file in the way could not be replaced.
  if (os::FileExists(record.target)) os::SetAttributes(record.target, os::kAttrNormal);
  const int32_t code = kit->Extract(record);
  if (code == unzip::kUnzipOk) return {};
  return "nu am putut extrage fisierul (cod " + std::to_string(code) + ")";
}

// A value the engine's registration file set comes back with the whole file imported again, once
// for all its values.
std::string PutBackImported(const changes::RepairItem& item, std::set<std::string>& imported) {
  if (!item.imported_from) return "nu se stie ce valoare avea";
  const changes::Change& file = *item.imported_from;
  if (imported.count(file.target)) return {};
  try {
    bde::ImportRegistrationAgain(file.target, file.value);
  } catch (const std::runtime_error& failure) {
    return failure.what();
  }
  imported.insert(file.target);
  return changes::ReadRegistryValue(item.change.target) ? std::string()
                                                        : "lipseste si dupa inregistrare";
}

std::string PutBackOne(const changes::RepairItem& item, TRepairKit* kit,
                       const std::string& program_dir, std::set<std::string>& imported) {
  const changes::Change& c = item.change;
  switch (c.kind) {
    case changes::Kind::kDirectory:
      return PutBackDirectory(c.target);
    case changes::Kind::kFile:
      return PutBackFile(c, kit);
    case changes::Kind::kRegistry:
      if (c.value.empty()) return PutBackImported(item, imported);
      return changes::PutBackRegistryValue(c.target, c.value) ? std::string() : "nu pot scrie";
    case changes::Kind::kRegistryKey:
      return changes::PutBackRegistryKey(c.target) ? std::string() : "nu pot crea cheia";
    case changes::Kind::kProfile:
      return changes::PutBackProfileValue(c.target, c.value) ? std::string() : "nu pot scrie";
    case changes::Kind::kDomain:
      if (c.handler == bde::kAliasHandler) {
        const bool made = bde::CreateAliases({c.target}, {c.value});
        return made ? std::string() : "motorul bazei de date nu il poate adauga";
      }
      if (c.handler == config::kGroupHandler) {
        return config::SendGroupCommands("ProgMan", program_dir) ? std::string()
                                                                 : "Program Manager nu raspunde";
      }
      break;
    default:
      break;
  }
  return "nu poate fi pus la loc";
}

}  // namespace

std::vector<changes::RepairItem> CheckThisMachine(const std::vector<changes::Change>& journal,
                                                  const std::string& program_dir) {
  SystemProbe probe(program_dir);
  std::vector<changes::RepairItem> items = changes::CheckInstallation(journal, probe);
  // Opened to ask about the aliases, the engine goes again: its files may need putting back.
  bde::CloseEngine();
  return items;
}

RepairOutcome PutBack(const std::vector<changes::RepairItem>& items, TRepairKit* kit,
                      const std::string& program_dir) {
  RepairOutcome outcome;
  std::set<std::string> imported;
  for (const changes::RepairItem& item : items) {
    const std::string failure = PutBackOne(item, kit, program_dir, imported);
    const std::string shown = changes::RepairItemText(item);
    if (failure.empty()) {
      outcome.repaired.push_back(shown);
    } else {
      outcome.failures.push_back(shown + " (" + failure + ")");
    }
  }
  bde::CloseEngine();
  return outcome;
}
