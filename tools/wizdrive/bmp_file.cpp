#include "bmp_file.h"

namespace wizdrive {

namespace {

void Put16(std::string* out, uint32_t v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

constexpr int kMaxSide = 16384;

}  // namespace

uint32_t BmpRowBytes(int width) {
  return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

std::string BmpHeaders(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return "";
  const uint32_t pixels = BmpRowBytes(width) * static_cast<uint32_t>(height);
  std::string out = "BM";
  Put32(&out, 54 + pixels);  // file size
  Put32(&out, 0);            // reserved
  Put32(&out, 54);           // offset of the pixels
  Put32(&out, 40);           // info header size
  Put32(&out, static_cast<uint32_t>(width));
  Put32(&out, static_cast<uint32_t>(height));  // positive: bottom-up
  Put16(&out, 1);                              // planes
  Put16(&out, 24);                             // bits per pixel
  Put32(&out, 0);                              // no compression
  Put32(&out, pixels);
  Put32(&out, 2835);  // 72 dots per inch, in dots per metre
  Put32(&out, 2835);
  Put32(&out, 0);
  Put32(&out, 0);
  return out;
}

}  // namespace wizdrive
