// The engine's count of the products that use it, kept as a decimal string.
#pragma once

#include <optional>
#include <string>

namespace bde {

// The stored count plus one; a missing value, or one that is not a number, counts as 0.
std::string NextUseCount(const std::optional<std::string>& stored);

}  // namespace bde
