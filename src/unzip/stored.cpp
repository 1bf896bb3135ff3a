#include "unzip/stored.h"

namespace unzip {

DecodeResult CopyStored(DecodeStream& s, uint32_t size) {
  while (size > 0) {
    const uint32_t room = DecodeStream::kWindowSize - s.position();
    const uint32_t want = size < room ? size : room;
    const uint32_t got = s.ReadAlignedBytes(s.window() + s.position(), want);
    s.set_position(s.position() + got);
    size -= got;
    if (s.aborted()) return DecodeResult::kAborted;
    if (got < want) return DecodeResult::kInputEnded;
    if (s.WindowFull() && !s.FlushWindow()) return DecodeResult::kWriteFailed;
  }
  return s.FlushWindow() ? DecodeResult::kOk : DecodeResult::kWriteFailed;
}

}  // namespace unzip
