// What a repair finds when it holds an installation's journal against the machine: each file,
// directory, value, alias and group the installation made and that is no longer as it left it.
// The user's data (kScopeData) is never looked at.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "changes/change.h"
#include "os/os.h"

namespace changes {

enum class Finding : uint8_t {
  kMissing,         // a file, directory or value that is gone
  kChanged,         // a program file whose bytes are not those written
  kRemovedByOther,  // an alias, the program group or a registry value that another program took
  kChangedByOther,  // a file that was there before the installation, or is the shared engine's:
                    // a newer version another product brought is left unless asked
};

struct RepairItem {
  Finding finding = Finding::kMissing;
  // The journal's record of how it should be: the last change the installation made to it.
  Change change;
  // A registry value an imported file set: that file's record, whose text sets it again.
  std::optional<Change> imported_from;
};

// What the checks ask of the machine.
class MachineProbe {
 public:
  virtual ~MachineProbe() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual std::optional<os::FileStamp> FileStamp(const std::string& path) = 0;
  // The file's SHA-256 in hexadecimal; nothing when it cannot be read.
  virtual std::optional<std::string> FileSha256(const std::string& path) = 0;
  // A registry value under HKEY_LOCAL_MACHINE ("KEY|NAME") as the journal writes it.
  virtual std::optional<std::string> RegistryValue(const std::string& target) = 0;
  virtual bool RegistryKeyExists(const std::string& key) = 0;
  // A profile value ("FILE|SECTION|KEY").
  virtual std::optional<std::string> ProfileValue(const std::string& target) = 0;
  // A domain change (an alias, the program group) is still there.
  virtual bool DomainPresent(const Change& change) = 0;
};

// Every record of `journal` (checked against the installation's bounds already) that the machine
// no longer holds as the installation left it, in the journal's order: directories before the
// files in them.
std::vector<RepairItem> CheckInstallation(const std::vector<Change>& journal, MachineProbe& probe);

// The SHA-256 of a file's bytes in hexadecimal, as the journal keeps it; nothing when it cannot be
// read.
std::optional<std::string> FileSha256(const std::string& path);

// The line a person reads for an item: what it is and why ("C:\...\VORTEL.EXE: lipseste").
std::string RepairItemText(const RepairItem& item);

// The items a repair puts back without asking: all but kChangedByOther.
bool RepairedByDefault(const RepairItem& item);

}  // namespace changes
