// The room a copy needs on each drive it writes to, held against what the drives have free
// before the first byte is written.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "copy/media_manifest.h"
#include "os/drives.h"
#include "state/install_state.h"

namespace copy {

struct SpaceShortage {
  std::string drive;  // its root, "L:\"
  uint64_t needed = 0;
  uint64_t free = 0;
};

using SpaceProbe = std::function<std::optional<os::DriveSpace>(const std::string& root)>;

// The first drive the selection does not fit on. Each archive needs what it unpacks to plus a
// cluster for each file (the part of its last cluster a file leaves empty), on the drive of its
// destination; the assembled archives need their pieces' bytes in the assembly directory, since
// all of them stay until the last is extracted. An archive the manifest does not name and a
// drive that cannot be asked count for nothing: the copy itself still reports what fails.
std::optional<SpaceShortage> FindSpaceShortage(const TInstallState& state,
                                               const TSelection& selection,
                                               const MediaManifest& media,
                                               const std::optional<std::string>& engine_dir,
                                               const SpaceProbe& probe = os::SpaceOfDrive);

// The message: the drive, the space needed and the space free, and what to do.
std::string SpaceShortageText(const SpaceShortage& shortage);
constexpr const char* kSpaceShortageCaption = "Spatiu insuficient";

// Asks Retry or Cancel until the selection fits; false when the person cancels (the unattended
// answer). `ask` shows the text and is true for Retry.
bool WaitForSpace(const std::function<std::optional<SpaceShortage>()>& find,
                  const std::function<bool(const std::string& text)>& ask);

}  // namespace copy
