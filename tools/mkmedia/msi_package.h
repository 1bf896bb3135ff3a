// The Windows Installer package of the one-folder media: a WiX source, built into
// RidOZIZUZ.msi by wixl (Debian's msitools).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "signing.h"

namespace mkmedia {

// A package version: major and minor up to 255, build up to 65535, as Windows Installer
// compares them.
struct PackageVersion {
  int major = 0;
  int minor = 0;
  int build = 0;
  std::string Text() const;
};

std::optional<PackageVersion> ParsePackageVersion(const std::string& text);

struct PackageInput {
  PackageVersion version;
  std::filesystem::path media_dir;     // every file in it goes into the package
  std::filesystem::path setup_action;  // SETUPACT.DLL
  // The publisher's signature on SETUPACT.DLL and on the package; none when nothing.
  const SigningOptions* signing = nullptr;
};

constexpr char kPackageName[] = "RidOZIZUZ.msi";

// The product code of a version: fixed but for the version, so that a build is reproducible
// and each version is a new product to Windows Installer.
std::string ProductCode(const PackageVersion& version);

// The WiX source of the package, beside SETUPACT.DLL in a folder inside media_dir; `files` are
// names inside media_dir.
std::string WixSource(const PackageInput& input, const std::vector<std::string>& files);

// Writes media_dir/RidOZIZUZ.msi, the package of the one folder of media in media_dir; an error
// text, empty on success.
std::string BuildPackage(const PackageInput& input);

}  // namespace mkmedia
