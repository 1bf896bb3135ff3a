// Copying a stored entry through the work buffer.
#pragma once

#include <cstdint>

#include "unzip/decode_stream.h"

namespace unzip {

DecodeResult CopyStored(DecodeStream& stream, uint32_t size);

}  // namespace unzip
