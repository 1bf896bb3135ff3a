// ZIP archives for the media, written by libzip.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace mkmedia {

// Name inside the archive ('/' separated) and the file it comes from.
using ArchiveEntries = std::vector<std::pair<std::string, std::filesystem::path>>;

// Every file below `folder`, named relative to it, in a stable order.
ArchiveEntries FolderEntries(const std::filesystem::path& folder);

// Writes a new archive of deflated entries; an error text, empty on success.
std::string WriteArchive(const ArchiveEntries& entries, const std::filesystem::path& zip_path);

}  // namespace mkmedia
