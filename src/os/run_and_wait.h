// Starting another program, and waiting for it to end.
#pragma once

#include <cstdint>
#include <string>

namespace os {

constexpr uint16_t kShowMinimized = 6;

// Starts the command line in a new console with the given show mode and waits, without a time
// limit and without processing messages, until it ends. Returns its exit code (bit for bit as a
// signed number), or -1 when it cannot be started or waited for.
int32_t RunAndWait(const std::string& command_line, uint16_t show_mode);

// Starts the command line with the given show mode and does not wait; false when it cannot.
bool StartProgram(const std::string& command_line, uint16_t show_mode);

}  // namespace os
