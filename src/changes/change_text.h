// The journal's text: one change a line, fields separated by tabs, so that a person can read the
// journal and the installer can read it back.
#pragma once

#include <optional>
#include <string>

#include "changes/change.h"

namespace changes {

std::string EncodeChange(const Change& change);
// Nothing for a line that is no change (damaged, or of a newer journal).
std::optional<Change> DecodeChange(const std::string& line);

// "1,234,567".
std::string GroupedNumber(int64_t n);

}  // namespace changes
