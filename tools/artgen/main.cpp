// Paints the background window's artwork into a folder as run-length encoded BMP files, one per
// picture.
#include <cstdio>

#include "art_set.h"
#include "rle8_bmp.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const ArtImage& art : PaintArtwork()) {
    const std::string path = folder + "/" + art.name + ".bmp";
    if (!WriteRle8Bmp(path, art.width, art.height, art.pixels, kArtKey)) {
      std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
