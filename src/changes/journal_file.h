// The run's journal as a file kept open for the whole run. Each record is one write, so that a
// killed run loses none it wrote. A record is also on the disk before its change is made, unless
// what the change leaves behind is found from the records before it should a power cut lose the
// record: those wait for the next record that must be on the disk, or for the end.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "changes/change.h"
#include "os/os.h"

namespace changes {

class JournalFile {
 public:
  JournalFile() = default;
  // `durable`: a journal, whose records must survive a power cut; a plan need not.
  JournalFile(os::File file, std::string path, bool durable);

  bool IsOpen() const { return file_.IsOpen(); }
  // Writes `line`, the record of `change`, and flushes when the change needs it. False when the
  // record is not where it must be: the change must not be made then.
  bool Append(const Change& change, const std::string& line);
  // Puts the records that wait on the disk and closes the file.
  bool Close();

 private:
  bool MustReachDiskFirst(const Change& change) const;
  bool FlushAll();

  os::File file_;
  std::string path_;
  bool durable_ = false;
  // Records are numbered from 1; those up to `flushed_` are on the disk.
  uint64_t written_ = 0;
  uint64_t flushed_ = 0;
  // The directories this run made, each with the number of its record.
  std::map<std::string, uint64_t> made_;
};

// A path as Windows compares it: without case and without a trailing backslash.
std::string PathKey(const std::string& path);

// Puts `file` (at `path`) on the disk; every flush of the run's records and of the copies of
// replaced files goes through here.
bool FlushToDisk(os::File& file, const std::string& path);
// Told the path of each flush, in order: how tests see what reached the disk before a change.
// Returns the observer it replaces.
using FlushObserver = std::function<void(const std::string& path)>;
FlushObserver SetFlushObserver(FlushObserver observer);

}  // namespace changes
