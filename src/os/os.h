// The seam between portable code and the operating system. Paths are UTF-8 with Windows
// separators; the Windows implementation hands them to the system's wide functions, the POSIX
// one maps '\' to '/'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace os {

enum class OpenMode {
  kRead,       // existing file, read only, shared with everybody
  kCreate,     // create or truncate, read and write
  kCreateNew,  // a new file, read and write; fails when the name exists (even as a link)
  kReadWrite,  // existing file, read and write
  kAppend,     // existing file, writes go to its end
};

// An open file; closed when it goes out of scope.
class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = kInvalid; }
  File& operator=(File&& other) noexcept;
  ~File() { Close(); }

  static File Open(const std::string& path, OpenMode mode);

  bool IsOpen() const { return handle_ != kInvalid; }
  explicit operator bool() const { return IsOpen(); }
  // Bytes read or written, or -1 on an error.
  int32_t Read(void* buffer, uint32_t count);
  int32_t Write(const void* buffer, uint32_t count);
  bool Seek(int64_t position);
  int64_t Position();
  int64_t Size();
  // Cuts the file at the current position.
  bool Truncate();
  // Puts what was written on the disk itself, past the system's cache: what a power cut spares.
  bool Flush();
  // Stamps the last-write time from an MS-DOS date and time (local time).
  bool SetDosTime(uint16_t dos_date, uint16_t dos_time);
  bool Close();

 private:
  static constexpr intptr_t kInvalid = -1;
  intptr_t handle_ = kInvalid;
};

// File attribute bits as Windows has them.
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;
constexpr uint32_t kAttrNormal = 0x80;

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Attributes of a file or directory, or nothing when it does not exist.
std::optional<uint32_t> GetAttributes(const std::string& path);
bool SetAttributes(const std::string& path, uint32_t attributes);
bool RemoveFile(const std::string& path);
// Replaces `target` with `source` in one step (same directory expected).
bool MoveReplace(const std::string& source, const std::string& target);
// Creates one directory level; false when it cannot (also when it exists).
bool MakeDirectory(const std::string& path);
// Removes an empty directory.
bool RemoveEmptyDirectory(const std::string& path);
// Has Windows remove a file or an empty directory when it next starts; false where it cannot.
bool RemoveAtRestart(const std::string& path);
// Another program holds the file open so that it cannot be replaced now (a running program).
bool FileInUse(const std::string& path);
// Puts `source` in the place of `target` when Windows next starts.
bool ReplaceAtRestart(const std::string& source, const std::string& target);
// Copies a file, replacing `target`; false when the copy is not whole.
bool CopyWholeFile(const std::string& source, const std::string& target);
// Size and last-write time of a file (100 ns units on Windows, ns elsewhere) from one look at
// the directory; nothing for a directory or a missing file.
struct FileStamp {
  int64_t size = 0;
  uint64_t write_time = 0;
  bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::string& path);
// Size of a file from the directory, without opening it (works while another program holds it
// open); nothing for a directory or a missing file.
inline std::optional<int64_t> FileSize(const std::string& path) {
  const std::optional<FileStamp> stamp = StampOf(path);
  if (!stamp) return std::nullopt;
  return stamp->size;
}
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& path);

struct DirEntry {
  std::string name;
  bool is_directory = false;
  int64_t size = 0;
  // A symbolic link or junction: walking into it may lead back up the tree.
  bool is_link = false;
};
// Entries of a directory (without "." and ".."), in the order the system gives them.
std::vector<DirEntry> ListDirectory(const std::string& path);

// Milliseconds since the system started; wraps like the Windows tick count.
uint32_t TickCount();
// Local time of day in milliseconds since midnight.
uint32_t MillisecondsSinceMidnight();
// The current moment as the system's short date, a blank and its long time.
std::string NowDateTimeText();
std::optional<std::string> GetEnv(const std::string& name);
// Full path of the running program.
std::string ProgramPath();
// The Windows directory (elsewhere the root).
std::string WindowsDirectory();
// True for the root of a drive whose disk can be changed ("A:\\"); any other text is no drive.
bool IsRemovableDrive(const std::string& root);
// The program's arguments, its own name first: on Windows from the wide command line (the narrow
// one loses what the code page lacks), elsewhere `argv` as given. Nothing, with `error`, when one
// is no text.
std::optional<std::vector<std::string>> ProgramArguments(int argc, char** argv,
                                                         std::string* error = nullptr);
// Integer from an INI file, read the way GetPrivateProfileIntA does.
int32_t ReadProfileInt(const std::string& section, const std::string& key, int32_t default_value,
                       const std::string& path);

// Directory part of a path, with its trailing separator ("C:\A\B.EXE" gives "C:\A\").
std::string DirectoryOf(const std::string& path);
// Appends one backslash when the text does not already end in one.
std::string WithTrailingBackslash(std::string path);
// Removes one trailing backslash when present.
std::string WithoutTrailingBackslash(std::string path);
// Windows paths name the same place without regard to case or a trailing backslash.
bool SamePath(std::string a, std::string b);

}  // namespace os
