// Text of the diagnostic log's lines: pure functions, so that the format is tested without a clock.
#pragma once

#include <cstdint>
#include <string>

// " <TIMP hh:mm:ss.zzz > " for a time of day in milliseconds since midnight.
std::string DebugTimeTag(uint32_t ms_since_midnight);
// Bars that show the nesting depth: none at depth 0, else depth + 1 copies of " |".
std::string DebugBars(int32_t depth);
std::string DebugBeginContent(int32_t depth, const std::string& name);
std::string DebugEndContent(int32_t depth, const std::string& name);
std::string DebugNoteContent(int32_t depth, const std::string& text);
std::string DebugErrorText(const std::string& message, int32_t code);
