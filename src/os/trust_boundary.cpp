#include "os/trust_boundary.h"

#include "os/os.h"

namespace trust {

// --- Security descriptors of what the installer makes ------------------------------------

namespace {

constexpr char kRunFolderStem[] = "RidOZIZUZ-";
constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

std::string RunFolderName(const std::array<uint8_t, 16>& random) {
  std::string name = kRunFolderStem;
  for (const uint8_t byte : random) {
    name += kDigits[byte >> 4];
    name += kDigits[byte & 15];
  }
  return name;
}

bool IsRunFolderName(const std::string& name) {
  const std::string stem = kRunFolderStem;
  if (name.size() != stem.size() + 32 || name.compare(0, stem.size(), stem) != 0) return false;
  return name.find_first_not_of(kDigits, stem.size()) == std::string::npos;
}

std::optional<std::string> MakeRunFolder(const std::string& parent) {
  // A name that exists was made by somebody else: another name, never that folder.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::array<uint8_t, 16> random{};
    if (!RandomBytes(random.data(), random.size())) return std::nullopt;
    const std::string folder = os::WithTrailingBackslash(parent) + RunFolderName(random);
    if (MakeDirectoryWithDescriptor(folder, kRunFolderSddl)) return folder;
  }
  return std::nullopt;
}

}  // namespace trust
