// The media start: copies the program and its companions into the run's own folder and names
// the media directory in the hand-off file, so that the copy can run the wizard.
#pragma once

#include <optional>
#include <string>

// Name of the hand-off file beside the working copy.
constexpr char kHandOffFileName[] = "INSTVORT.DAT";

// Directory of the program from its argument 0, ending in a backslash. A relative or bare
// argument 0 says nothing reliable about the media, so the program's own path serves then.
std::string MediaDirFrom(const std::string& argument0, const std::string& program_path);
// Path of the hand-off file beside a program directory.
std::string HandOffPath(const std::string& program_dir);
// The first line of the hand-off file; nothing when the file cannot be read.
std::optional<std::string> ReadHandOffFile(const std::string& path);
// The command line that starts the working copy; its path is quoted so that blanks in the
// working directory neither break it nor start another program.
std::string RelaunchCommandLine(const std::string& work_dir, bool log_on);

// Copies from_dir + source to a new file to_dir + target in 2048-byte blocks. False when the
// source cannot be read, or the target exists already or cannot be fully written; `failed_path`
// then names which.
bool CopyToNewFile(const std::string& from_dir, const std::string& to_dir,
                   const std::string& source, const std::string& target,
                   std::string* failed_path = nullptr);

struct HandOffOutcome {
  bool ok = true;
  std::string failed_file;  // the file that could not be read or written
};
// Copies the three media files in their order into the run's folder and writes the hand-off
// file; none of them may exist there.
HandOffOutcome PrepareWorkingCopy(const std::string& media_dir, const std::string& work_dir);
