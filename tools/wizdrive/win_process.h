// The programs running in this Windows environment.
#pragma once

#include <windows.h>

#include <string>

namespace wizdrive {

// True while a process of that program name ("INSTVORT.EXE", any case) is running.
bool ProgramRunning(const std::string& name);

}  // namespace wizdrive
