// Walking the central directory of an archive, entry by entry. A directory below 64,000
// bytes is held whole; a larger one passes through a sliding 64,000-byte window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "os/os.h"

namespace unzip {

constexpr uint32_t kDirectoryWindow = 64000;
constexpr uint32_t kEntryNameLength = 259;

struct TCentralCursor {
  std::unique_ptr<uint8_t[]> buffer;
  uint16_t length = 0;
  uint16_t position = 0;
  // The current entry.
  uint32_t timestamp = 0;
  int32_t size = 0;
  int32_t compressed_size = 0;
  int32_t local_offset = 0;
  char name[kEntryNameLength + 1] = {};
  uint16_t method = 0;
  uint8_t attributes = 0;

  // The full length of the stored name; above kEntryNameLength `name` holds only its start.
  uint32_t name_length = 0;
  // False when the stored name holds a NUL byte, so that `name` is not all of it.
  bool name_complete = true;
  // Open while a window still has directory bytes to read.
  os::File archive;
  bool windowed = false;
};

// 0 with the first entry loaded, or -9, -10 or -11.
int32_t OpenCentralDirectory(const std::string& archive, TCentralCursor& cursor);
// 0 with the next entry loaded, or -10 at the end of the directory or on a malformed entry.
int32_t NextCentralEntry(TCentralCursor& cursor);
void CloseCentralDirectory(TCentralCursor& cursor);

}  // namespace unzip
