// zipx: the extraction engine from the command line, for checking media before shipping.
//   zipx x ARCHIVE DEST [SPECS]   extract; one line per report, then "result N"
//   zipx l ARCHIVE [SPECS]        list, same line format
//   zipx size ARCHIVE             uncompressed and compressed totals
// The exit status is 1 whenever the archive is not whole: an error result, an entry that
// failed, or fewer entries than the archive's end record announces (pieces joined in the wrong
// order leave a directory that cannot be walked, and the engine then reports no entry at all).
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "os/os.h"
#include "unzip/brask_unzip.h"
#include "unzip/little_endian.h"

namespace {

bool g_entry_failed = false;

void PrintReport(int32_t code, unzip::TUnzipReport* r) {
  std::printf("report %d %d %u %d %d %u %s\n", code, r->status, r->method, r->size,
              r->compressed_size, r->ratio, r->name);
  if (r->status == unzip::kStatusEntryFailed || r->status == unzip::kStatusFatal)
    g_entry_failed = true;
}

// The entry count of the end-of-central-directory record, found from the end of the file as
// the format describes (a comment of up to 65,535 bytes may follow it).
std::optional<uint32_t> AnnouncedEntries(const std::string& path) {
  constexpr int64_t kRecord = 22, kLongestTail = kRecord + 65535;
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return std::nullopt;
  const int64_t size = file.Size();
  const int64_t tail = size < kLongestTail ? size : kLongestTail;
  if (tail < kRecord || !file.Seek(size - tail)) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(tail));
  if (file.Read(bytes.data(), static_cast<uint32_t>(tail)) != tail) return std::nullopt;
  for (int64_t at = tail - kRecord; at >= 0; --at) {
    const uint8_t* p = bytes.data() + at;
    if (unzip::Get32(p) == 0x06054b50u) return unzip::Get16(p + 10);
  }
  return std::nullopt;
}

int Usage() {
  std::fprintf(stderr,
               "usage: zipx x ARCHIVE DEST [SPECS]\n"
               "       zipx l ARCHIVE [SPECS]\n"
               "       zipx size ARCHIVE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  // Reports come by the thousand: written in large blocks, not a character at a time as the
  // Windows C library writes to a console, a pipe or the null device.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  const std::string command = argv[1];
  unzip::TBraskUnzip unzip;
  unzip.SetFileName(argv[2]);
  unzip.SetReportCallback(PrintReport);
  int32_t result;
  bool all_entries = false;
  if (command == "x" && (argc == 4 || argc == 5)) {
    all_entries = argc == 4;
    unzip.SetDirectoryName(argv[3]);
    if (argc == 5) unzip.SetFileSpecs(argv[4]);
    result = unzip.ExtractAll();
  } else if (command == "l" && (argc == 3 || argc == 4)) {
    all_entries = argc == 3;
    if (argc == 4) unzip.SetFileSpecs(argv[3]);
    result = unzip.ListEntries();
  } else if (command == "size" && argc == 3) {
    const int32_t size = unzip.TotalSize();
    std::printf("%d %d\n", size, unzip.CompressedTotal());
    return 0;
  } else {
    return Usage();
  }
  std::printf("result %d\n", result);
  if (result < 0 || g_entry_failed) return 1;
  if (all_entries) {
    const std::optional<uint32_t> announced = AnnouncedEntries(argv[2]);
    if (!announced) {
      std::fprintf(stderr, "zipx: %s is damaged: no end of central directory\n", argv[2]);
      return 1;
    }
    if (static_cast<uint32_t>(result) < *announced) {
      std::fprintf(stderr, "zipx: %s is damaged: %d of %u entries could be read\n", argv[2], result,
                   *announced);
      return 1;
    }
  }
  return 0;
}
