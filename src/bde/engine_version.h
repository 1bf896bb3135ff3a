// The version text that an installed database engine leaves in the registry.
#pragma once

#include <cstdint>
#include <string>

namespace bde {

// The integer part of a version text: the digits before the first "." (or, without one, before
// the first ","). Blanks before it are skipped; reading stops at the first other character.
int32_t ParseEngineVersion(const std::string& text);

// Engines before 4 are older than the one the product ships.
bool IsOldEngineVersion(const std::string& text);

}  // namespace bde
