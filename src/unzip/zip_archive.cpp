#include "unzip/zip_archive.h"

#include <limits>

#include "changes/files.h"
#include "changes/journal.h"
#include "os/os.h"
#include "unzip/central_directory.h"
#include "unzip/extract_entry.h"
#include "unzip/file_specs.h"
#include "unzip/target_path.h"
#include "unzip/unzip_state.h"

namespace unzip {

namespace {

constexpr int32_t kEscapeKey = 27;

int32_t Clamp(int64_t v) {
  return v > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                 : static_cast<int32_t>(v);
}

uint32_t Unsigned(int32_t v) {
  return static_cast<uint32_t>(v);
}

struct Totals {
  int64_t size = 0;
  int64_t compressed = 0;
  void Add(const TCentralCursor& c) {
    size += Unsigned(c.size);
    compressed += Unsigned(c.compressed_size);
  }
};

void FillFromEntry(TUnzipReport& r, const TCentralCursor& c, const std::string& name) {
  SetRecordName(name.c_str());
  r.timestamp = c.timestamp;
  r.size = c.size;
  r.compressed_size = c.compressed_size;
  r.method = c.method;
  r.attributes = c.attributes;
  r.ratio = CompressionRatio(Unsigned(c.size), Unsigned(c.compressed_size));
}

void FillEnd(TUnzipReport& r, const std::string& archive, const Totals& t) {
  SetRecordName(archive.c_str());
  r.timestamp = 0xFFFFFFFFu;
  r.attributes = -1;
  r.method = 0;
  r.size = Clamp(t.size);
  r.compressed_size = Clamp(t.compressed);
  r.ratio = CompressionRatio(t.size, t.compressed);
}

// Keeps an enclosing operation's record and callbacks intact across a nested one.
class OperationScope {
 public:
  OperationScope()
      : record_(Engine().record), report_(Engine().report), confirm_(Engine().confirm) {}
  ~OperationScope() {
    Engine().record = record_;
    Engine().report = report_;
    Engine().confirm = confirm_;
  }
  OperationScope(const OperationScope&) = delete;
  OperationScope& operator=(const OperationScope&) = delete;

 private:
  TUnzipReport record_;
  ReportCallback report_;
  ConfirmCallback confirm_;
};

bool EndsInSeparator(const std::string& s) {
  return !s.empty() && (s.back() == '\\' || s.back() == '/');
}

// An entry the engine will not write: a name cut short or leaving the destination.
bool Refused(const TCentralCursor& c, const std::string& target) {
  return !c.name_complete || c.name_length > kEntryNameLength || !IsContainedEntryName(c.name) ||
         !IsTargetWithinLimit(target);
}

}  // namespace

bool IsZipArchive(const std::string& raw_path) {
  if (raw_path.find('.') == std::string::npos || raw_path.find(".exe") != std::string::npos) {
    return false;
  }
  const std::string path = os::WithoutTrailingBackslash(raw_path);
  if (os::DirectoryExists(path)) return false;
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return false;
  uint8_t head[4];
  return file.Read(head, 4) == 4 && head[0] == 'P' && head[1] == 'K' && head[2] == 3 &&
         head[3] == 4;
}

int32_t MeasureArchive(const std::string& archive, int32_t& compressed_total) {
  compressed_total = 0;
  int64_t length;
  {
    os::File file = os::File::Open(archive, os::OpenMode::kRead);
    if (!file) return 0;
    length = file.Size();
  }
  if (!IsZipArchive(archive)) {
    compressed_total = Clamp(length);
    return Clamp(length);
  }
  Totals t;
  TCentralCursor cursor;
  for (int32_t r = OpenCentralDirectory(archive, cursor); r == kUnzipOk;
       r = NextCentralEntry(cursor)) {
    t.Add(cursor);
  }
  CloseCentralDirectory(cursor);
  compressed_total = Clamp(t.compressed);
  return Clamp(t.size);
}

int32_t ListArchive(const std::string& archive, const std::string& specs, ReportCallback report) {
  if (archive.empty() || !report) return kUnzipMissingArgument;
  if (!IsZipArchive(archive)) return kUnzipNotZip;
  OperationScope scope;
  TUnzipReport& record = Engine().record;
  record = TUnzipReport{};
  Totals t;
  int32_t count = 0;
  TCentralCursor cursor;
  for (int32_t r = OpenCentralDirectory(archive, cursor); r == kUnzipOk;
       r = NextCentralEntry(cursor)) {
    if (!MatchesFileSpecs(specs, cursor.name)) continue;
    t.Add(cursor);
    FillFromEntry(record, cursor, cursor.name);
    ++count;
    report(kStatusList, &record);
  }
  CloseCentralDirectory(cursor);
  FillEnd(record, archive, t);
  report(count, &record);
  return count;
}

int32_t ExtractArchive(const std::string& archive, const std::string& raw_destination,
                       const std::string& specs, ReportCallback report, ConfirmCallback confirm) {
  if (archive.empty() || raw_destination.empty()) return kUnzipMissingArgument;
  const std::string destination =
      EndsInSeparator(raw_destination) ? raw_destination : raw_destination + "\\";
  if (!IsZipArchive(archive)) return kUnzipNotZip;

  OperationScope scope;
  TUnzipReport& record = Engine().record;
  record = TUnzipReport{};
  if (report) {
    int32_t compressed = 0;
    const int32_t size = MeasureArchive(archive, compressed);
    SetRecordName(archive.c_str());
    record.size = size;
    record.compressed_size = compressed;
    record.ratio = CompressionRatio(size, compressed);
    record.status = kStatusArchiveStart;
    report(kStatusArchiveStart, &record);
  }
  SetCurrentReportCallback(report);
  SetCurrentConfirmCallback(confirm);

  Totals t;
  int32_t count = 0;
  EntryExtractor extractor(archive);
  TCentralCursor cursor;
  for (int32_t r = OpenCentralDirectory(archive, cursor); r == kUnzipOk;
       r = NextCentralEntry(cursor)) {
    if (!MatchesFileSpecs(specs, cursor.name)) continue;
    t.Add(cursor);
    const std::string target = destination + cursor.name;
    FillFromEntry(record, cursor, target);
    record.status = kStatusEntryStart;
    ReportCurrent(kStatusEntryStart);

    int32_t code;
    // An entry whose place cannot be made (its name refused, its directory not created) fails
    // alone: the entries after it have places of their own.
    bool place_failed = false;
    if (Refused(cursor, target)) {
      code = kUnzipWriteError;
      place_failed = true;
    } else if (confirm && changes::FileExists(target) && !confirm(&record)) {
      record.status = kStatusBlockWritten;
      record.method = kMethodSkipped;
      ReportCurrent(cursor.size);
      code = kUnzipOk;
    } else if (changes::Planning()) {
      // A dry run lists what the entry would make and writes nothing.
      MakeTargetDirectories(target);
      if (!IsDirectoryTarget(target)) changes::PlanFile(target, cursor.size);
      record.status = kStatusBlockWritten;
      ReportCurrent(cursor.size);
      code = kUnzipOk;
    } else {
      code = extractor.Extract(target, Unsigned(cursor.local_offset), 0, kEscapeKey);
      place_failed =
          code == kUnzipWriteError &&
          !changes::DirectoryExists(os::WithoutTrailingBackslash(os::DirectoryOf(target)));
    }

    if (code == kUnzipOk) {
      ++count;
      record.status = kStatusEntryDone;
      ReportCurrent(kStatusEntryDone);
      continue;
    }
    if (code == kUnzipCrcError || code == kUnzipWriteError || code == kUnzipUnsupportedMethod ||
        code == kUnzipEncrypted) {
      record.status = kStatusEntryFailed;
      ReportCurrent(code);
      if (place_failed) continue;
    } else if (code >= kUnzipNoArchive && code <= kUnzipCrcError && code != kUnzipDirectoryEnd) {
      record.status = kStatusFatal;
      ReportCurrent(kStatusFatal);
      return kUnzipFatal;
    }
    break;
  }
  CloseCentralDirectory(cursor);
  FillEnd(record, archive, t);
  record.status = kStatusArchiveEnd;
  ReportCurrent(kStatusArchiveEnd);
  return count;
}

}  // namespace unzip
