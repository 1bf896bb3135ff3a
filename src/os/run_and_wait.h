// Starting another program, and waiting for it to end.
#pragma once

#include <cstdint>
#include <string>

namespace os {

constexpr uint16_t kShowMinimized = 6;

// Starts the command line in a new console with the given show mode and waits, without a time
// limit and without processing messages, until it ends. Returns its exit code (bit for bit as a
// signed number), or -1 when it cannot be started or waited for. The program runs in
// `current_folder`, or in the caller's current folder when that is empty.
int32_t RunAndWait(const std::string& command_line, uint16_t show_mode,
                   const std::string& current_folder = {});

// Starts the command line with the given show mode and does not wait; false when it cannot.
bool StartProgram(const std::string& command_line, uint16_t show_mode);
// Starts the command line in `current_folder` and waits, as WinExec does, until the program
// waits for its first input or `idle_limit_ms` have passed; false when it cannot be started.
bool StartProgramUntilIdle(const std::string& command_line, uint16_t show_mode,
                           const std::string& current_folder, uint32_t idle_limit_ms);

}  // namespace os
