// One change to the machine, as the journal keeps it: what a person reads of it, and what undoing
// it needs (what was there before, a copy of a replaced file, what the change wrote).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace changes {

constexpr char kScopeData[] = "data";
constexpr char kScopeEngine[] = "engine";

enum class Kind : uint8_t {
  kDirectory,      // a directory made: target
  kFile,           // a file made or replaced: target, size, time and hash as written, backup
                   // if replaced
  kTemporaryFile,  // a file the run removes again itself, such as an assembled archive
  kTextFile,       // a system file rewritten whole (CONFIG.SYS): as kFile
  kProfile,        // a profile value: target "FILE|SECTION|KEY" (FILE empty: WIN.INI), value
  kRegistry,       // a registry value under HKEY_LOCAL_MACHINE: target "KEY|NAME", value
  kRegistryKey,    // a registry key made under HKEY_LOCAL_MACHINE: target
  kRun,            // a program run; what it did is its own
  kDomain,         // a change of the engine or the shell, undone by the handler it names
  kNote,           // a person's line for the records that follow it, which undo it
  kDataCopy,       // data a database task changes in place: a file (target, backup) or a
                   // folder (target, value: the names of its files, one a line)
};

struct Change {
  Kind kind = Kind::kFile;
  // The line a person reads; empty for the records behind a visible change.
  std::string description;
  std::string target;
  std::string value;
  // What was there before; nothing when there was nothing.
  std::optional<std::string> previous;
  // A copy of the file this change replaced.
  std::string backup;
  // The file as the change left it, so that a later change by someone else is seen.
  int64_t size = -1;
  uint64_t time = 0;
  // kDomain: who undoes it ("alias", "group" ...); empty when it cannot be undone.
  std::string handler;
  // What the change belongs to, for removing an installation: kScopeData (the user's data, kept
  // unless asked), kScopeEngine (the database engine, shared with other products), or nothing.
  std::string scope;
  // kFile: the SHA-256 of the bytes written, in hexadecimal, so that a repair finds a file
  // changed since; empty when the writer did not hash them (older journals).
  std::string sha256;
};

}  // namespace changes
