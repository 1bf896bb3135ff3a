// Upper case in the Central European ANSI code page (1250), which the program's texts use.
#pragma once

#include <string>
#include <string_view>

std::string AnsiUpperCase(std::string_view text);
