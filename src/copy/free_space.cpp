#include "copy/free_space.h"

#include <map>

#include "changes/change_text.h"
#include "copy/archive_assembly.h"
#include "copy/copy_controller.h"

namespace copy {

namespace {

struct Demand {
  uint64_t bytes = 0;
  uint64_t files = 0;
};

uint64_t Kilobytes(uint64_t bytes) {
  return (bytes + 1023) / 1024;
}

// Pieces are named after their archive: "EXE.2" belongs to "EXE".
bool PieceOf(const std::string& piece, const char* archive) {
  const std::string name(archive);
  return piece.size() > name.size() && piece.compare(0, name.size(), name) == 0 &&
         piece[name.size()] == '.';
}

}  // namespace

std::optional<SpaceShortage> FindSpaceShortage(const TInstallState& state,
                                               const TSelection& selection,
                                               const MediaManifest& media,
                                               const std::optional<std::string>& engine_dir,
                                               const SpaceProbe& probe) {
  const int type = state.InstallType;
  if (type < itLocal || type > itClient) return std::nullopt;
  std::map<std::string, Demand> drives;
  const std::string assembly_drive = os::DriveRoot(AssemblyDirectory(state));
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (!selection[type - 1][i]) continue;
    const TCompRecord& archive = kCatalogue[i];
    const ArchiveRecord* unpacked = media.Archive(archive.Name);
    if (!unpacked) continue;
    const std::optional<std::string> destination =
        archive.Destination == kDestinationEngine ? engine_dir
                                                  : ProductDestination(state, archive.Destination);
    if (destination) {
      Demand& demand = drives[os::DriveRoot(*destination)];
      demand.bytes += static_cast<uint64_t>(unpacked->unpacked);
      demand.files += static_cast<uint64_t>(unpacked->files);
    }
    for (const auto& [piece, record] : media.pieces) {
      if (!PieceOf(piece, archive.Name)) continue;
      drives[assembly_drive].bytes += static_cast<uint64_t>(record.size);
    }
  }
  for (const auto& [root, demand] : drives) {
    if (root.empty()) continue;
    const std::optional<os::DriveSpace> space = probe(root);
    if (!space) continue;
    // Each assembled archive takes a cluster more at most too; a cluster per file covers it.
    const uint64_t needed = demand.bytes + (demand.files + kCatalogueSize) * space->cluster;
    if (needed > space->free) return SpaceShortage{root, needed, space->free};
  }
  return std::nullopt;
}

std::string SpaceShortageText(const SpaceShortage& shortage) {
  return "Nu este destul spatiu pe discul " + shortage.drive +
         "\rNecesar: " + changes::GroupedNumber(static_cast<int64_t>(Kilobytes(shortage.needed))) +
         " KB\rLiber: " + changes::GroupedNumber(static_cast<int64_t>(shortage.free / 1024)) +
         " KB\rFaceti loc pe disc si apasati Retry.";
}

bool WaitForSpace(const std::function<std::optional<SpaceShortage>()>& find,
                  const std::function<bool(const std::string& text)>& ask) {
  for (;;) {
    const std::optional<SpaceShortage> shortage = find();
    if (!shortage) return true;
    if (!ask(SpaceShortageText(*shortage))) return false;
  }
}

}  // namespace copy
