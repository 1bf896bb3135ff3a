// Small helpers the stand-ins share: where a module lives and how it leaves its traces.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace standin {

// The module (DLL or program) this code is linked into.
HMODULE ThisModule();
// Directory of a module (nullptr: the running program), with a trailing backslash.
std::string ModuleDirectory(HMODULE module);
// Base name of a module without directory, as the loader knows it ("HHUPD.EXE").
std::string ModuleName(HMODULE module);
std::string CurrentDirectory();

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Appends text to a file, creating it when missing. Other processes may append at the same
// time, so every write goes to the end in one call.
bool AppendToFile(const std::string& path, const std::string& text);

// Records one start of the running program: its command line and working directory, tab
// separated, on one line of `trace_path`.
bool RecordStart(const std::string& trace_path);

}  // namespace standin
