// Builds installation media from a product tree with one folder per catalogue archive.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "media_plan.h"
#include "msi_package.h"
#include "signing.h"

namespace mkmedia {

struct MediaOptions {
  std::filesystem::path product_dir;
  std::filesystem::path out_dir;  // must be missing or empty
  std::filesystem::path install_exe;
  std::filesystem::path upgrade_dll;
  uint64_t disk_size = kFloppySize;
  uint64_t first_disk_size = 0;  // 0: as the others
  uint64_t cluster_size = kFloppyCluster;
  uint64_t piece_limit = 0;
  bool single_folder = false;  // everything in out_dir instead of disk1, disk2 ...
  bool upgrade = false;        // the upgrade selection: no database engine
  // One folder of media and, beside it, the Windows Installer package that carries them.
  std::optional<PackageVersion> package_version;
  std::filesystem::path setup_action;  // the package's custom actions, SETUPACT.DLL
  // The publisher's key: INSTALL.EXE, UPGRADE.DLL, SETUPACT.DLL and the package signed with
  // Authenticode, the manifest with INSTALL.SIG. Unsigned media when not enabled.
  SigningOptions signing;
};

// Writes the media and a summary to `report`; an error text, empty on success. A failed build
// leaves the output directory as empty as it found it.
std::string BuildMedia(const MediaOptions& options, std::ostream& report);

}  // namespace mkmedia
