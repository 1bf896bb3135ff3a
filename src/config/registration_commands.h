// Command lines of the product's two registration programs in the program directory. The
// paths are quoted, so that a directory with blanks works and names no other program.
#pragma once

#include <string>

namespace config {

// "<dir>\HHUPD.EXE" /Q
std::string HhupdCommandLine(const std::string& program_dir);
// "<dir>\TREGSVR.EXE" -Q "<dir>\CFX32.OCX"
std::string TregsvrCommandLine(const std::string& program_dir);
// "<dir>\TREGSVR.EXE" -U -Q "<dir>\CFX32.OCX": the control unregistered
std::string UnregisterCommandLine(const std::string& dir);

}  // namespace config
