#include "raster.h"

#include <algorithm>
#include <cmath>

Rgb Hex(uint32_t v) {
  return {static_cast<float>((v >> 16) & 0xFF), static_cast<float>((v >> 8) & 0xFF),
          static_cast<float>(v & 0xFF)};
}
Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighten(Rgb c, float t) {
  return Mix(c, {255, 255, 255}, t);
}
Rgb Darken(Rgb c, float t) {
  return Mix(c, {0, 0, 0}, t);
}

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape Box(float l, float t, float r, float b, float radius) {
  const float cx = (l + r) / 2, cy = (t + b) / 2;
  const float hw = (r - l) / 2 - radius, hh = (b - t) / 2 - radius;
  return [=](float x, float y) {
    const float dx = std::abs(x - cx) - hw, dy = std::abs(y - cy) - hh;
    const float outside = std::hypot(std::max(dx, 0.f), std::max(dy, 0.f));
    return outside + std::min(std::max(dx, dy), 0.f) - radius;
  };
}

namespace {

float SegmentDistance(float x, float y, float ax, float ay, float bx, float by) {
  const float px = x - ax, py = y - ay, ux = bx - ax, uy = by - ay;
  const float len2 = ux * ux + uy * uy;
  const float t = len2 > 0 ? std::clamp((px * ux + py * uy) / len2, 0.f, 1.f) : 0.f;
  return std::hypot(px - ux * t, py - uy * t);
}

}  // namespace

Shape Line(float ax, float ay, float bx, float by, float width) {
  return [=](float x, float y) { return SegmentDistance(x, y, ax, ay, bx, by) - width / 2; };
}

Shape Polyline(const std::vector<std::pair<float, float>>& pts, float width) {
  return [=](float x, float y) {
    float d = 1e9f;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
      d = std::min(d, SegmentDistance(x, y, pts[i].first, pts[i].second, pts[i + 1].first,
                                      pts[i + 1].second));
    }
    return d - width / 2;
  };
}

Shape Polygon(const std::vector<std::pair<float, float>>& pts) {
  return [=](float x, float y) {
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      d = std::min(d, SegmentDistance(x, y, xi, yi, xj, yj));
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside ? -d : d;
  };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Shape Ring(Shape s, float width) {
  return [=](float x, float y) { return std::abs(s(x, y) + width / 2) - width / 2; };
}
Shape Move(Shape s, float dx, float dy) {
  return [=](float x, float y) { return s(x - dx, y - dy); };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height) {}

void Canvas::Fill(const Shape& shape, const std::function<Rgb(float, float)>& color,
                  float opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float cx = x + 0.5f, cy = y + 0.5f;
      const float a = std::clamp(0.5f - shape(cx, cy), 0.f, 1.f) * opacity;
      if (a <= 0) continue;
      Px& p = px_[static_cast<size_t>(y) * width_ + x];
      const Rgb c = color(cx, cy);
      // Colours are kept as if over black, so that partial coverage composes.
      p.c = {c.r * a + p.c.r * (1 - a), c.g * a + p.c.g * (1 - a), c.b * a + p.c.b * (1 - a)};
      p.a = a + p.a * (1 - a);
    }
  }
}

void Canvas::Fill(const Shape& shape, Rgb color, float opacity) {
  Fill(
      shape, [color](float, float) { return color; }, opacity);
}

void Canvas::Shaded(const Shape& shape, Rgb base) {
  float top = static_cast<float>(height_), bottom = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (shape(x + 0.5f, y + 0.5f) < 0.5f) {
        top = std::min(top, static_cast<float>(y));
        bottom = std::max(bottom, y + 1.f);
      }
    }
  }
  const Rgb light = Lighten(base, 0.45f), dark = Darken(base, 0.12f);
  const float span = std::max(bottom - top, 1.f);
  Fill(shape,
       [=](float, float y) { return Mix(light, dark, std::clamp((y - top) / span, 0.f, 1.f)); });
  Fill(Ring(shape, 1), Darken(base, 0.45f));
}

Canvas Canvas::Disabled() const {
  // Faded grey: the picture's light and shade survive, its colour does not.
  Canvas out(width_, height_);
  for (size_t i = 0; i < px_.size(); ++i) {
    const Px& p = px_[i];
    if (p.a <= 0) continue;
    const float lum = (0.3f * p.c.r + 0.59f * p.c.g + 0.11f * p.c.b) / p.a;
    const float a = p.a * 0.9f, v = (110 + lum * 0.5f) * a;
    out.px_[i] = {{v, v, v}, a};
  }
  return out;
}

void Canvas::Paste(const Canvas& other, int x0, int y0) {
  for (int y = 0; y < other.height_; ++y) {
    for (int x = 0; x < other.width_; ++x) {
      const int tx = x + x0, ty = y + y0;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const Px& s = other.px_[static_cast<size_t>(y) * other.width_ + x];
      Px& d = px_[static_cast<size_t>(ty) * width_ + tx];
      d.c = {s.c.r + d.c.r * (1 - s.a), s.c.g + d.c.g * (1 - s.a), s.c.b + d.c.b * (1 - s.a)};
      d.a = s.a + d.a * (1 - s.a);
    }
  }
}

std::vector<uint32_t> Canvas::Flatten(uint32_t key, uint32_t matte) const {
  const Rgb m = Hex(matte);
  std::vector<uint32_t> out;
  out.reserve(px_.size());
  for (const Px& p : px_) {
    if (p.a < 0.04f) {
      out.push_back(key);
      continue;
    }
    const auto channel = [&](float c, float mc) {
      return static_cast<uint32_t>(std::clamp(std::lround(c + mc * (1 - p.a)), 0L, 255L));
    };
    uint32_t v = channel(p.c.r, m.r) << 16 | channel(p.c.g, m.g) << 8 | channel(p.c.b, m.b);
    if (v == key) v ^= 0x000100;  // painted pixels never read as the key
    out.push_back(v);
  }
  return out;
}
