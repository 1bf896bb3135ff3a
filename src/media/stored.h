// Copying a stored entry through the work buffer.
#pragma once

#include <cstdint>

#include "media/decode_stream.h"

namespace media {

int32_t CopyStored(DecodeStream& stream, uint32_t size);

}  // namespace media
