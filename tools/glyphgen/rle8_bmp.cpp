#include "rle8_bmp.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <unordered_map>

namespace {

int Channel(uint32_t c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}

struct Weighted {
  uint32_t colour;
  uint32_t count;
};

// Median cut: the box with the widest channel is split at its weighted median.
std::vector<uint32_t> MedianCut(std::vector<Weighted> colours, size_t boxes) {
  std::vector<std::vector<Weighted>> parts{std::move(colours)};
  const auto spread = [](const std::vector<Weighted>& part, int& widest) {
    int best = -1;
    for (int shift : {16, 8, 0}) {
      int lo = 255, hi = 0;
      for (const Weighted& w : part) {
        lo = std::min(lo, Channel(w.colour, shift));
        hi = std::max(hi, Channel(w.colour, shift));
      }
      if (hi - lo > best) {
        best = hi - lo;
        widest = shift;
      }
    }
    return best;
  };
  while (parts.size() < boxes) {
    size_t pick = parts.size();
    int pick_spread = 0, pick_shift = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
      int shift = 0;
      const int s = parts[i].size() > 1 ? spread(parts[i], shift) : 0;
      if (s > pick_spread) {
        pick = i;
        pick_spread = s;
        pick_shift = shift;
      }
    }
    if (pick == parts.size()) break;  // every box holds one colour
    std::vector<Weighted>& part = parts[pick];
    std::sort(part.begin(), part.end(), [&](const Weighted& a, const Weighted& b) {
      return Channel(a.colour, pick_shift) < Channel(b.colour, pick_shift);
    });
    uint64_t total = 0, half = 0;
    for (const Weighted& w : part) total += w.count;
    size_t cut = 1;
    for (; cut < part.size() - 1; ++cut) {
      half += part[cut - 1].count;
      if (half * 2 >= total) break;
    }
    std::vector<Weighted> upper(part.begin() + static_cast<std::ptrdiff_t>(cut), part.end());
    part.resize(cut);
    parts.push_back(std::move(upper));
  }
  std::vector<uint32_t> palette;
  for (const auto& part : parts) {
    uint64_t r = 0, g = 0, b = 0, n = 0;
    for (const Weighted& w : part) {
      r += uint64_t{w.count} * Channel(w.colour, 16);
      g += uint64_t{w.count} * Channel(w.colour, 8);
      b += uint64_t{w.count} * Channel(w.colour, 0);
      n += w.count;
    }
    palette.push_back(static_cast<uint32_t>((r / n) << 16 | (g / n) << 8 | (b / n)));
  }
  return palette;
}

// The first entry is the transparent colour, which only that colour itself may take: a colour
// near it must not turn into a hole in the picture.
uint8_t Nearest(const std::vector<uint32_t>& palette, uint32_t c) {
  if (c == palette.front()) return 0;
  int best = 0, best_distance = 1 << 30;
  for (size_t i = 1; i < palette.size(); ++i) {
    const int dr = Channel(c, 16) - Channel(palette[i], 16);
    const int dg = Channel(c, 8) - Channel(palette[i], 8);
    const int db = Channel(c, 0) - Channel(palette[i], 0);
    const int d = dr * dr + dg * dg + db * db;
    if (d < best_distance) {
      best = static_cast<int>(i);
      best_distance = d;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

std::vector<uint32_t> ReducePalette(const std::vector<uint32_t>& pixels, uint32_t keep) {
  std::map<uint32_t, uint32_t> counts;
  for (uint32_t p : pixels)
    if (p != keep) ++counts[p];
  std::vector<uint32_t> palette{keep};
  if (counts.size() <= 255) {
    for (const auto& [colour, count] : counts) palette.push_back(colour);
    return palette;
  }
  std::vector<Weighted> colours;
  for (const auto& [colour, count] : counts) colours.push_back({colour, count});
  for (uint32_t c : MedianCut(std::move(colours), 255)) palette.push_back(c);
  return palette;
}

std::vector<uint8_t> EncodeRle8Row(const std::vector<uint8_t>& row) {
  std::vector<uint8_t> out;
  size_t i = 0;
  const auto run_at = [&](size_t at) {
    size_t n = 1;
    while (at + n < row.size() && row[at + n] == row[at] && n < 255) ++n;
    return n;
  };
  while (i < row.size()) {
    const size_t run = run_at(i);
    if (run >= 3 || row.size() - i < 3) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(row[i]);
      i += run;
      continue;
    }
    // A stretch of differing indices, up to the next run worth encoding.
    size_t end = i;
    while (end < row.size() && end - i < 255 && run_at(end) < 3) ++end;
    const size_t n = end - i;
    if (n < 3) {
      for (; i < end; ++i) {
        out.push_back(1);
        out.push_back(row[i]);
      }
      continue;
    }
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), row.begin() + static_cast<std::ptrdiff_t>(i),
               row.begin() + static_cast<std::ptrdiff_t>(end));
    if (n % 2) out.push_back(0);  // absolute runs end on a word boundary
    i = end;
  }
  return out;
}

bool WriteRle8Bmp(const std::string& path, int width, int height,
                  const std::vector<uint32_t>& pixels, uint32_t keep) {
  const std::vector<uint32_t> palette = ReducePalette(pixels, keep);
  std::unordered_map<uint32_t, uint8_t> index;
  std::vector<uint8_t> bits;
  for (int y = height - 1; y >= 0; --y) {  // bottom-up rows
    std::vector<uint8_t> row(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixels[static_cast<size_t>(y) * width + x];
      auto it = index.find(c);
      if (it == index.end()) it = index.emplace(c, Nearest(palette, c)).first;
      row[static_cast<size_t>(x)] = it->second;
    }
    const std::vector<uint8_t> codes = EncodeRle8Row(row);
    bits.insert(bits.end(), codes.begin(), codes.end());
    bits.push_back(0);
    bits.push_back(y == 0 ? 1 : 0);  // end of line, or of the picture
  }
  const uint32_t colours = static_cast<uint32_t>(palette.size());
  const uint32_t offset = 14 + 40 + 4 * colours;
  std::vector<uint8_t> data(offset, 0);
  auto put16 = [&](size_t at, uint32_t v) {
    data[at] = v & 0xFF;
    data[at + 1] = (v >> 8) & 0xFF;
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  data[0] = 'B';
  data[1] = 'M';
  put32(2, offset + static_cast<uint32_t>(bits.size()));
  put32(10, offset);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  put16(26, 1);
  put16(28, 8);
  put32(30, 1);  // BI_RLE8
  put32(34, static_cast<uint32_t>(bits.size()));
  put32(38, 3780);
  put32(42, 3780);
  put32(46, colours);
  put32(50, colours);
  for (uint32_t i = 0; i < colours; ++i) {
    data[54 + 4 * i] = palette[i] & 0xFF;
    data[55 + 4 * i] = (palette[i] >> 8) & 0xFF;
    data[56 + 4 * i] = (palette[i] >> 16) & 0xFF;
  }
  data.insert(data.end(), bits.begin(), bits.end());
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(f.flush());
}
