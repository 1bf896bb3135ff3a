#include "art_set.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

const Rgb kBackground = Hex(kArtKey), kWhite = Hex(0xFFFFFF), kIce = Hex(0xE6F0FA),
          kSky = Hex(0xA9C9EA), kSteel = Hex(0x6F97C4), kNavy = Hex(0x02213F),
          kAmber = Hex(0xF2B233);

ArtImage Flat(const std::string& name, const Canvas& c) {
  return {name, c.width(), c.height(), c.Flatten(kArtKey, kArtKey)};
}

// Grows a shape by `by` pixels.
Shape Grow(Shape s, float by) {
  return [=](float x, float y) { return s(x, y) - by; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    const float k = std::hypot(dx, dy);
    const float slope = std::hypot(dx / rx, dy / ry);
    // First-order distance: the implicit value over its gradient.
    return slope > 0 ? (k - 1) * k / slope : -std::min(rx, ry);
  };
}

// An arc of a circle between two angles (radians, clockwise from the right, y downwards).
Shape Arc(float cx, float cy, float r, float width, float from, float to) {
  const float ax = cx + r * std::cos(from), ay = cy + r * std::sin(from);
  const float bx = cx + r * std::cos(to), by = cy + r * std::sin(to);
  return [=](float x, float y) {
    float angle = std::atan2(y - cy, x - cx);
    while (angle < from) angle += 2 * kPi;
    if (angle <= to) return std::abs(std::hypot(x - cx, y - cy) - r) - width / 2;
    return std::min(std::hypot(x - ax, y - ay), std::hypot(x - bx, y - by)) - width / 2;
  };
}

// A soft shadow below and right of a shape.
void Shadow(Canvas& c, const Shape& shape, float dx, float dy) {
  const Shape moved = Move(shape, dx, dy);
  c.Fill(Grow(moved, 3), kNavy, 0.12f);
  c.Fill(Grow(moved, 1.5f), kNavy, 0.18f);
  c.Fill(moved, kNavy, 0.3f);
}

// ---- The emblem: a stack of three database discs with an orbit around it.

Shape Cylinder(float cx, float top, float rx, float ry, float body) {
  return Union(Union(Ellipse(cx, top, rx, ry), Box(cx - rx, top, cx + rx, top + body)),
               Ellipse(cx, top + body, rx, ry));
}

void Disc(Canvas& c, float cx, float top, float rx, float ry, float body) {
  const Shape whole = Cylinder(cx, top, rx, ry, body);
  // A clear gap to the disc below.
  c.Fill(Grow(whole, 3), kBackground);
  // Rounded side: brightest left of the middle, darker towards the edges.
  c.Fill(whole, [=](float x, float) {
    const float t = std::clamp((x - (cx - rx * 0.3f)) / rx, -1.f, 1.f);
    return Mix(kIce, kSky, std::pow(std::abs(t), 1.6f));
  });
  const Shape face = Ellipse(cx, top, rx - 1.5f, ry - 1.5f);
  c.Fill(face, [=](float, float y) { return Mix(kWhite, kIce, (y - (top - ry)) / (2 * ry)); });
  c.Fill(Ring(Ellipse(cx, top, rx, ry), 1.5f), kSteel, 0.8f);
}

ArtImage Emblem() {
  Canvas c(446, 218);
  const float cx = 139, cy = 109;
  // The orbit passes behind the discs.
  c.Fill(Arc(cx, cy, 92, 5, kPi * 0.62f, kPi * 2.32f), kAmber);
  c.Fill(Arc(cx, cy, 92, 2, kPi * 2.36f, kPi * 2.55f), kAmber, 0.55f);
  const float rx = 58, ry = 15, body = 28, step = 44;
  const float first = cy - step - body / 2;
  Shadow(c, Union(Cylinder(cx, first, rx, ry, body), Cylinder(cx, first + 2 * step, rx, ry, body)),
         3, 5);
  for (int i = 2; i >= 0; --i) Disc(c, cx, first + i * step, rx, ry, body);
  // A spark where the orbit ends.
  const float sx = cx + 92 * std::cos(kPi * 2.32f), sy = cy + 92 * std::sin(kPi * 2.32f);
  c.Fill(Polygon({{sx, sy - 11},
                  {sx + 3, sy - 3},
                  {sx + 11, sy},
                  {sx + 3, sy + 3},
                  {sx, sy + 11},
                  {sx - 3, sy + 3},
                  {sx - 11, sy},
                  {sx - 3, sy - 3}}),
         kWhite);
  return Flat("Emblema", c);
}

// ---- The name, in strokes of one width.

constexpr float kCap = 74, kX = 54, kStroke = 13, kBase = 90, kGap = 16;

struct Letter {
  Shape shape;
  float width;
};

Shape Stem(float x, float top, float bottom) {
  return Box(x, top, x + kStroke, bottom);
}

Letter CapitalR(float x) {
  const float top = kBase - kCap, mid = top + kCap * 0.56f, w = 50;
  const float r = (mid - top) / 2, bowl = x + w - r;
  Shape s = Stem(x, top, kBase);
  // Bars and bowl overlap a little, so that no seam shows where they meet.
  s = Union(s, Box(x, top, bowl + 1, top + kStroke));
  s = Union(s, Box(x, mid - kStroke, bowl + 1, mid));
  s = Union(s, Intersect(Ring(Circle(bowl, top + r, r), kStroke),
                         Box(bowl - 1, top - 1, x + w + 1, mid + 1)));
  s = Union(
      s,
      Polygon({{bowl - 8, mid - 2}, {bowl + 7, mid - 2}, {x + w + 2, kBase}, {x + w - 14, kBase}}));
  return {s, w};
}

Letter SmallI(float x, Canvas& accent) {
  accent.Fill(Circle(x + kStroke / 2, kBase - kX - 15, 8), kAmber);
  return {Stem(x, kBase - kX, kBase), kStroke};
}

Letter SmallD(float x) {
  const float r = kX / 2;
  Shape s = Ring(Circle(x + r, kBase - r, r), kStroke);
  s = Union(s, Stem(x + kX - kStroke, kBase - kCap, kBase));
  return {s, kX};
}

Letter CapitalO(float x) {
  return {Ring(Circle(x + kCap / 2, kBase - kCap / 2, kCap / 2), kStroke), kCap};
}

Letter CapitalZ(float x) {
  const float w = 52, top = kBase - kCap, slant = kStroke * 1.45f;
  Shape s = Union(Box(x, top, x + w, top + kStroke), Box(x, kBase - kStroke, x + w, kBase));
  s = Union(s, Polygon({{x + w - slant, top + kStroke - 1},
                        {x + w, top + kStroke - 1},
                        {x + slant, kBase - kStroke + 1},
                        {x, kBase - kStroke + 1}}));
  return {s, w};
}

Letter CapitalI(float x) {
  return {Stem(x, kBase - kCap, kBase), kStroke};
}

Letter CapitalU(float x) {
  const float w = 56, r = w / 2, top = kBase - kCap;
  Shape s = Union(Stem(x, top, kBase - r + 1), Stem(x + w - kStroke, top, kBase - r + 1));
  s = Union(s, Intersect(Ring(Circle(x + r, kBase - r, r), kStroke),
                         Box(x - 1, kBase - r - 1, x + w + 1, kBase + 1)));
  return {s, w};
}

ArtImage Name() {
  Canvas c(709, 112);
  Canvas accent(709, 112);
  const float total = 50 + kStroke + kX + kCap + 52 + kStroke + 52 + 56 + 52 + 8 * kGap;
  float x = std::round(355 - total / 2);
  Shape word;
  bool first = true;
  const auto add = [&](Letter letter) {
    word = first ? letter.shape : Union(word, letter.shape);
    first = false;
    x += letter.width + kGap;
  };
  const float left = x;
  add(CapitalR(x));
  add(SmallI(x, accent));
  add(SmallD(x));
  add(CapitalO(x));
  add(CapitalZ(x));
  add(CapitalI(x));
  add(CapitalZ(x));
  add(CapitalU(x));
  add(CapitalZ(x));
  const float right = x - kGap;
  Shadow(c, word, 3, 4);
  c.Fill(word, [](float, float y) {
    return Mix(kWhite, kSky, std::clamp((y - (kBase - kCap)) / kCap, 0.f, 1.f) * 0.7f);
  });
  c.Paste(accent, 0, 0);
  // A rule under the name that fades at both ends.
  c.Fill(Box(left, 103, right, 105), [=](float px, float) {
    const float t = std::abs((px - (left + right) / 2) / ((right - left) / 2));
    return Mix(kAmber, kBackground, std::pow(t, 3.f));
  });
  return Flat("Denumire", c);
}

// ---- Three installation disks, the first two done.

void Floppy(Canvas& c, float x, float y, float size, bool done) {
  const Shape body =
      Polygon({{x, y}, {x + size - 6, y}, {x + size, y + 6}, {x + size, y + size}, {x, y + size}});
  Shadow(c, body, 2, 3);
  c.Fill(body, [=](float, float py) { return Mix(kIce, kSky, (py - y) / size); });
  c.Fill(Box(x + size * 0.25f, y, x + size * 0.75f, y + size * 0.34f, 1), kSteel);
  c.Fill(Box(x + size * 0.56f, y + 3, x + size * 0.66f, y + size * 0.28f), kIce);
  c.Fill(Box(x + 4, y + size * 0.5f, x + size - 4, y + size - 3, 1.5f), kWhite);
  for (int line = 0; line < 2; ++line) {
    const float ly = y + size * 0.62f + line * 5;
    c.Fill(Box(x + 7, ly, x + size - 7, ly + 1.5f), kSky);
  }
  const float dy = y + size + 12, dx = x + size / 2;
  if (done) {
    c.Fill(Circle(dx, dy, 4), kAmber);
  } else {
    c.Fill(Ring(Circle(dx, dy, 4), 1.5f), kSky);
  }
}

ArtImage Disks() {
  Canvas c(197, 70);
  const float size = 28, gap = 10, centre = 139;
  const float left = centre - (3 * size + 2 * gap) / 2;
  for (int i = 0; i < 3; ++i) Floppy(c, left + i * (size + gap), 12, size, i < 2);
  return Flat("Discuri", c);
}

}  // namespace

std::vector<ArtImage> PaintArtwork() {
  return {Emblem(), Name(), Disks()};
}
