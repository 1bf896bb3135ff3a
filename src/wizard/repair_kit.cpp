#include "wizard/repair_kit.h"

#include <cctype>

#include "changes/journal.h"
#include "changes/repair_check.h"
#include "os/os.h"
#include "state/catalogue.h"
#include "state/install_state.h"
#include "unzip/zip_archive.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string WindowsName(std::string name) {
  for (char& c : name) {
    if (c == '/') c = '\\';
  }
  return name;
}

// The listing in progress: the engine reports through a plain function.
struct Listing {
  std::string archive;
  std::vector<std::pair<std::string, int64_t>> entries;
};
Listing* g_listing = nullptr;

void Collect(int32_t code, unzip::TUnzipReport* report) {
  // The last report carries the totals, with attributes -1; directories make no file.
  if (!g_listing || !report || code != unzip::kStatusList || report->attributes == -1) return;
  const std::string name = report->name;
  if (name.empty() || name.back() == '/' || name.back() == '\\') return;
  g_listing->entries.emplace_back(name, report->size);
}

// `target` ends with the entry's name, at a directory's edge.
bool PlacedAt(const std::string& target, const std::string& name) {
  const std::string t = Upper(target), n = Upper(WindowsName(name));
  return t.size() > n.size() && t.compare(t.size() - n.size(), n.size(), n) == 0 &&
         t[t.size() - n.size() - 1] == '\\';
}

}  // namespace

bool TRepairKit::Open(copy::AssemblyHost& host, const copy::MediaManifest* manifest) {
  // The joined archives are the run's own work, in its own folder.
  const changes::Unjournaled unjournaled;
  const std::string archives = work_dir_ + "\\KIT";
  if (!os::DirectoryExists(archives) && !os::MakeDirectory(archives)) {
    host.ShowError("Nu pot face directorul " + archives);
    return false;
  }
  TInstallState state;
  // A drive's root keeps its backslash: its type is asked by it ("A:\\").
  state.SourceDir = os::WithTrailingBackslash(kit_dir_);
  state.ProgramDir = state.ProgramDirOffered = archives;
  // Every archive the kit holds: a file may come from any of them.
  state.InstallType = itLocal;
  state.DiskCount = manifest && manifest->disks > 0 ? manifest->disks : 1;
  copy::TArchiveAssembler assembler(state, host, kFreshSelection, manifest);
  if (assembler.AssembleArchives() != copy::AssemblyResult::kDone) return false;
  for (const TCompRecord& archive : kCatalogue) {
    Listing listing{archives + "\\" + archive.Name + ".ZIP", {}};
    if (!os::FileExists(listing.archive)) continue;
    g_listing = &listing;
    unzip::ListArchive(listing.archive, "*.*", &Collect);
    g_listing = nullptr;
    for (const auto& [name, size] : listing.entries)
      entries_.push_back({listing.archive, name, size});
  }
  return true;
}

bool TRepairKit::Find(const changes::Change& record, std::string& why) {
  const changes::Unjournaled unjournaled;
  bool placed = false;
  for (const Entry& entry : entries_) {
    if (!PlacedAt(record.target, entry.name)) continue;
    placed = true;
    if (record.size >= 0 && entry.size != record.size) continue;
    const std::string files = work_dir_ + "\\FILES";
    const std::string dir = files + "\\" + std::to_string(++fetched_);
    if ((!os::DirectoryExists(files) && !os::MakeDirectory(files)) || !os::MakeDirectory(dir) ||
        unzip::ExtractArchive(entry.archive, dir, entry.name, nullptr, nullptr) != 1)
      continue;
    const std::string copy = dir + "\\" + WindowsName(entry.name);
    // A journal of an older release kept no hash: the place and the size must do.
    const bool same = record.sha256.empty() || changes::FileSha256(copy) == record.sha256;
    os::RemoveFile(copy);
    if (!same) continue;
    found_[Upper(record.target)] = entry;
    return true;
  }
  why = placed ? "kitul are alta versiune a fisierului" : "kitul nu contine fisierul";
  return false;
}

int32_t TRepairKit::Extract(const changes::Change& record) {
  const auto found = found_.find(Upper(record.target));
  if (found == found_.end()) return unzip::kUnzipMissingArgument;
  const Entry& entry = found->second;
  const std::string destination =
      record.target.substr(0, record.target.size() - WindowsName(entry.name).size());
  const int32_t count =
      unzip::ExtractArchive(entry.archive, destination, entry.name, nullptr, nullptr);
  return count == 1 ? unzip::kUnzipOk : count < 0 ? count : unzip::kUnzipWriteError;
}
