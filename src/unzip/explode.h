// Decoding of imploded entries: a 4 KB or 8 KB sliding dictionary with Shannon-Fano coded
// lengths and distances and, optionally, coded literals. Produces exactly `size` bytes.
#pragma once

#include <cstdint>

#include "unzip/decode_stream.h"

namespace unzip {

struct ExplodeParams {
  bool large_dictionary;  // general-purpose flag bit 1
  bool literal_tree;      // general-purpose flag bit 2
  uint32_t compressed_size;
  uint32_t size;
};

DecodeResult Explode(DecodeStream& stream, const ExplodeParams& params);

}  // namespace unzip
