// Deflate decoding (stored, fixed and dynamic blocks over a 32 KB window), until the block
// marked last. Returns 0, the oversized-header code 1, or a negative engine code.
#pragma once

#include <cstdint>

#include "unzip/decode_stream.h"

namespace unzip {

int32_t Inflate(DecodeStream& stream);

}  // namespace unzip
