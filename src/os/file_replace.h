// Whole-file reading and replacing for the small system files the setup edits.
#pragma once

#include <optional>
#include <string>

namespace os {

// The whole file, or nothing when it cannot be opened or read to its end.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `content` to a new file beside `path` and then puts it in the place of `path` in one
// step, so that a failure part-way leaves the old file whole. False when it did not happen;
// the scratch file is then gone too.
bool ReplaceFileContents(const std::string& path, const std::string& content);

}  // namespace os
