// The decompression gauge: the share of the measured bytes that the component reports written.
#pragma once

#include <cstdint>

namespace copy {

class UnzipProgress {
 public:
  void Reset() { total_ = done_ = 0; }
  // Archives that could not be measured count nothing.
  void AddMeasured(int32_t bytes);
  void AddWritten(int32_t bytes);
  // Percent written, rounded half to even; 100 only once every measured byte is written.
  int Position() const;

 private:
  double total_ = 0;
  double done_ = 0;
};

}  // namespace copy
