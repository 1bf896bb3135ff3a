// Paints the glyph library's pictures into a folder as run-length encoded BMP files, one per
// picture.
#include <cstdio>

#include "glyph_set.h"
#include "rle8_bmp.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: glyphgen OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const GlyphImage& g : PaintGlyphLibrary()) {
    const std::string path = folder + "/" + g.name + ".bmp";
    if (!WriteRle8Bmp(path, g.width, g.height, g.pixels, kGlyphKey)) {
      std::fprintf(stderr, "glyphgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
