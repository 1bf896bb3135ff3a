// Extracting one entry, found by its local header, to a target file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "unzip/unzip_hooks.h"

namespace unzip {

// Mask of the supported compression methods: stored, shrunk, imploded, deflated.
uint32_t SupportedMethods();

// Extracts the entry whose local header lies at `offset` to `target` (a path ending in a
// separator only creates directories). With a window, progress goes there as WM_COMMAND with
// `id_or_key`; without one, holding the key `id_or_key` down aborts. Returns 0 or a code.
int32_t ExtractEntry(const std::string& archive, const std::string& target, uint32_t offset,
                     WindowHandle window, uint32_t id_or_key);

// Extracts entries of one archive as ExtractEntry does, with what they can share made once and
// kept: the open archive, the work buffer and the decoders' tables.
class EntryExtractor {
 public:
  explicit EntryExtractor(const std::string& archive);
  ~EntryExtractor();
  EntryExtractor(const EntryExtractor&) = delete;
  EntryExtractor& operator=(const EntryExtractor&) = delete;

  int32_t Extract(const std::string& target, uint32_t offset, WindowHandle window,
                  uint32_t id_or_key);

 private:
  struct Resources;
  std::unique_ptr<Resources> r_;
};

}  // namespace unzip
