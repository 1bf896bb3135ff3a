#include "copy/unzip_progress.h"

#include <algorithm>
#include <cmath>

namespace copy {

void UnzipProgress::AddMeasured(int32_t bytes) {
  if (bytes > 0) total_ += bytes;
}

void UnzipProgress::AddWritten(int32_t bytes) {
  if (bytes > 0) done_ += bytes;
}

int UnzipProgress::Position() const {
  if (total_ <= 0) return 0;
  // More written than measured (an archive changed in between) must not run the gauge over.
  if (done_ >= total_) return 100;
  // A full gauge would tell the user that everything was written.
  return std::min(99, static_cast<int>(std::nearbyint(done_ / total_ * 100)));
}

}  // namespace copy
