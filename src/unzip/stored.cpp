#include "unzip/stored.h"

#include "unzip/unzip_report.h"

namespace unzip {

int32_t CopyStored(DecodeStream& s, uint32_t size) {
  while (size > 0) {
    const uint32_t room = DecodeStream::kWindowSize - s.position();
    const uint32_t want = size < room ? size : room;
    const uint32_t got = s.ReadAlignedBytes(s.window() + s.position(), want);
    s.set_position(s.position() + got);
    size -= got;
    if (s.aborted()) return kUnzipAborted;
    if (got < want) return kUnzipReadError;
    if (s.WindowFull() && !s.FlushWindow()) return kUnzipWriteError;
  }
  return s.FlushWindow() ? kUnzipOk : kUnzipWriteError;
}

}  // namespace unzip
