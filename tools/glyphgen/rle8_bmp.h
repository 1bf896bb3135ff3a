// Writes a picture as a BMP file of at most 256 colours, run-length encoded (BI_RLE8): even
// areas then cost almost nothing in the program, which has to fit the first floppy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// At most 256 colours for the pixels (0xRRGGBB); `keep` is always among them, exactly.
std::vector<uint32_t> ReducePalette(const std::vector<uint32_t>& pixels, uint32_t keep);

// One row of palette indices as RLE8 codes, without the end-of-line mark.
std::vector<uint8_t> EncodeRle8Row(const std::vector<uint8_t>& row);

// False when the file cannot be written.
bool WriteRle8Bmp(const std::string& path, int width, int height,
                  const std::vector<uint32_t>& pixels, uint32_t keep);
