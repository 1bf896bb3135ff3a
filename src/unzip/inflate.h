// Deflate decoding (stored, fixed and dynamic blocks over a 32 KB window), until the block
// marked last.
#pragma once

#include "unzip/decode_stream.h"
#include "unzip/huffman_table.h"

namespace unzip {

// The lookup tables of an inflater. Kept from one stream to the next, the fixed ones are built
// once and the others reuse their room.
struct InflateTables {
  HuffmanTable fixed_literal, fixed_distance;
  HuffmanTable literal, distance, code_length;
};

DecodeResult Inflate(DecodeStream& stream, InflateTables& tables);
// With tables of its own, for a single stream.
DecodeResult Inflate(DecodeStream& stream);

}  // namespace unzip
