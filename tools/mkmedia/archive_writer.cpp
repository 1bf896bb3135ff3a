#include "archive_writer.h"

#include <zip.h>

#include <algorithm>

namespace mkmedia {

namespace {
constexpr zip_uint32_t kDosArchiveAttribute = 0x20;
}  // namespace

ArchiveEntries FolderEntries(const std::filesystem::path& folder) {
  ArchiveEntries entries;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    entries.emplace_back(e.path().lexically_relative(folder).generic_string(), e.path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string WriteArchive(const ArchiveEntries& entries, const std::filesystem::path& zip_path) {
  int error = 0;
  zip_t* zip = zip_open(zip_path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (zip == nullptr) {
    zip_error_t e;
    zip_error_init_with_code(&e, error);
    std::string text = zip_path.string() + ": " + zip_error_strerror(&e);
    zip_error_fini(&e);
    return text;
  }
  for (const auto& [name, source_path] : entries) {
    zip_source_t* source = zip_source_file(zip, source_path.c_str(), 0, 0);
    const zip_int64_t index =
        source == nullptr ? -1 : zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      std::string text = source_path.string() + ": " + zip_strerror(zip);
      zip_discard(zip);
      return text;
    }
    const auto i = static_cast<zip_uint64_t>(index);
    zip_set_file_compression(zip, i, ZIP_CM_DEFLATE, 9);
    // Made on DOS with the archive bit, as the files of a Windows product would be.
    zip_file_set_external_attributes(zip, i, 0, ZIP_OPSYS_DOS, kDosArchiveAttribute);
  }
  if (zip_close(zip) != 0) {
    std::string text = zip_path.string() + ": " + zip_strerror(zip);
    zip_discard(zip);
    return text;
  }
  return std::string();
}

}  // namespace mkmedia
