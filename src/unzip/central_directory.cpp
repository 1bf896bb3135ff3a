#include "unzip/central_directory.h"

#include <cstring>

#include "unzip/little_endian.h"
#include "unzip/unzip_report.h"

namespace unzip {

namespace {

constexpr uint32_t kScanWindow = 4096;
constexpr uint32_t kEndRecordSize = 22;
constexpr uint32_t kEntryHeaderSize = 46;

bool IsSignature(const uint8_t* p, uint8_t third, uint8_t fourth) {
  return p[0] == 'P' && p[1] == 'K' && p[2] == third && p[3] == fourth;
}

// Position of the end record, scanning backwards from the end of the file; -1 when none.
int64_t FindEndRecord(os::File& file, int64_t file_size) {
  uint8_t window[kScanWindow];
  int64_t start = file_size > kScanWindow ? file_size - kScanWindow : 0;
  for (;;) {
    const int64_t left = file_size - start;
    const uint32_t length = left < kScanWindow ? static_cast<uint32_t>(left) : kScanWindow;
    if (!file.Seek(start) || file.Read(window, length) != static_cast<int32_t>(length)) return -1;
    if (length >= kEndRecordSize) {
      for (int64_t i = length - kEndRecordSize; i >= 0; --i) {
        if (IsSignature(window + i, 5, 6)) return start + i;
      }
    }
    if (start == 0) return -1;
    start = start > kScanWindow - kEndRecordSize ? start - (kScanWindow - kEndRecordSize) : 0;
  }
}

void Release(TCentralCursor& c) {
  c.buffer.reset();
  c.archive.Close();
  c.length = c.position = 0;
  c.windowed = false;
}

}  // namespace

int32_t OpenCentralDirectory(const std::string& path, TCentralCursor& c) {
  Release(c);
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return kUnzipNoArchive;
  const int64_t file_size = file.Size();
  if (file_size <= 0) return kUnzipNoArchive;
  const int64_t end = FindEndRecord(file, file_size);
  if (end < 0) return kUnzipNoArchive;
  uint8_t record[kEndRecordSize];
  if (!file.Seek(end) || file.Read(record, kEndRecordSize) != kEndRecordSize) {
    return kUnzipNoArchive;
  }
  const int64_t directory = Get32(record + 16);
  if (end < kEntryHeaderSize) return kUnzipEndTooEarly;
  // The span takes in the end record's signature, which tells the walk where to stop.
  const int64_t span = end + 4 - directory;
  if (span < 4) return kUnzipDirectoryEnd;
  if (!file.Seek(directory)) return kUnzipNoArchive;
  const uint32_t size = span < kDirectoryWindow ? static_cast<uint32_t>(span) : kDirectoryWindow;
  c.buffer.reset(new uint8_t[size]);
  const int32_t got = file.Read(c.buffer.get(), size);
  if (got <= 0) {
    Release(c);
    return kUnzipNoArchive;
  }
  c.length = static_cast<uint16_t>(got);
  c.position = 0;
  c.windowed = span >= kDirectoryWindow;
  if (c.windowed) c.archive = std::move(file);
  const int32_t r = NextCentralEntry(c);
  if (r != kUnzipOk) Release(c);
  return r;
}

int32_t NextCentralEntry(TCentralCursor& c) {
  if (!c.buffer) return kUnzipDirectoryEnd;
  uint32_t left = c.length - c.position;
  const uint8_t* p = c.buffer.get() + c.position;
  auto full_length = [](const uint8_t* e) {
    return kEntryHeaderSize + Get16(e + 28) + Get16(e + 30) + Get16(e + 32);
  };
  if (c.windowed && (left < kEntryHeaderSize || left < full_length(p))) {
    std::memmove(c.buffer.get(), p, left);
    c.position = 0;
    const int32_t got = c.archive.Read(c.buffer.get() + left, kDirectoryWindow - left);
    if (got < 0) return kUnzipDirectoryEnd;
    c.length = static_cast<uint16_t>(left + static_cast<uint32_t>(got));
    left = c.length;
    p = c.buffer.get();
    if (left < kEntryHeaderSize) return kUnzipDirectoryEnd;
  }
  if (left < 4 || !IsSignature(p, 1, 2)) return kUnzipDirectoryEnd;
  if (left < kEntryHeaderSize || left < full_length(p)) return kUnzipDirectoryEnd;

  c.timestamp = Get32(p + 12);
  c.compressed_size = static_cast<int32_t>(Get32(p + 20));
  c.size = static_cast<int32_t>(Get32(p + 24));
  c.local_offset = static_cast<int32_t>(Get32(p + 42));
  c.method = Get16(p + 10);
  c.attributes = p[5] == 0 ? p[38] : 0;
  c.name_length = Get16(p + 28);
  const uint32_t kept = c.name_length < kEntryNameLength ? c.name_length : kEntryNameLength;
  for (uint32_t i = 0; i < kept; ++i) {
    const char ch = static_cast<char>(p[kEntryHeaderSize + i]);
    c.name[i] = ch == '/' ? '\\' : ch;
  }
  c.name[kept] = '\0';
  c.name_complete = std::memchr(p + kEntryHeaderSize, 0, c.name_length) == nullptr;
  c.position = static_cast<uint16_t>(c.position + full_length(p));
  return kUnzipOk;
}

void CloseCentralDirectory(TCentralCursor& c) {
  Release(c);
}

}  // namespace unzip
