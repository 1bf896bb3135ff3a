// The engine's result codes for a library that would not load.
#pragma once

#include <cstdint>

namespace bde {

constexpr uint16_t kErrEngineNotFound = 0x2108;
constexpr uint16_t kErrEngineNoMemory = 0x2501;
constexpr uint16_t kErrEngineLoadFailed = 0x2109;
constexpr uint16_t kErrEngineBindLoad = 0x210A;
constexpr uint16_t kErrEntryMissing = 0x274F;
constexpr uint16_t kErrInitMissing = 0x2A06;

// The code for the system's last error after a failed library load.
uint16_t LoadErrorCode(uint32_t last_error);

}  // namespace bde
