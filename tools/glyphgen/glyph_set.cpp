#include "glyph_set.h"

#include <cmath>
#include <functional>
#include <numbers>

#include "raster.h"

namespace {

using Painter = std::function<void(Canvas&)>;
using Points = std::vector<std::pair<float, float>>;

const Rgb kGreen = Hex(0x2E9E3E), kRed = Hex(0xD0392F), kBlue = Hex(0x2F6FC8),
          kAmber = Hex(0xF2A81D), kPaper = Hex(0xF7F7F2), kInk = Hex(0x3C4650),
          kSteel = Hex(0x8A96A3), kWood = Hex(0xB07A3C), kTeal = Hex(0x1F9C9A),
          kGold = Hex(0xE3B02A), kPurple = Hex(0x7A4FB5), kWhite = Hex(0xFFFFFF);

constexpr float kPi = std::numbers::pi_v<float>;

GlyphImage Flat(const std::string& name, const Canvas& c) {
  return {name, c.width(), c.height(), c.Flatten(kGlyphKey, kGlyphMatte)};
}

GlyphImage Single(const std::string& name, int size, const Painter& paint) {
  Canvas c(size, size);
  paint(c);
  return Flat(name, c);
}

// Up, disabled and down images side by side.
GlyphImage ButtonStrip(const std::string& name, const Painter& paint) {
  const int s = kButtonGlyphSize;
  Canvas up(s, s);
  paint(up);
  Canvas strip(3 * s, s);
  strip.Paste(up, 0, 0);
  strip.Paste(up.Disabled(), s, 0);
  strip.Paste(up, 2 * s, 0);
  return Flat(name, strip);
}

// ---- Shapes shared by several pictures (20-pixel cell unless stated).

Shape PlusShape(float cx, float cy, float arm, float thick) {
  return Union(Box(cx - arm, cy - thick / 2, cx + arm, cy + thick / 2, 1),
               Box(cx - thick / 2, cy - arm, cx + thick / 2, cy + arm, 1));
}

Shape ArrowRight(float l, float t, float r, float b, float shaft) {
  const float cy = (t + b) / 2, head = l + (r - l) * 0.45f;
  return Polygon({{l, cy - shaft / 2},
                  {head, cy - shaft / 2},
                  {head, t},
                  {r, cy},
                  {head, b},
                  {head, cy + shaft / 2},
                  {l, cy + shaft / 2}});
}

Shape Mirror(Shape s, float width) {
  return [=](float x, float y) { return s(width - x, y); };
}
Shape Flip(Shape s, float height) {
  return [=](float x, float y) { return s(x, height - y); };
}
Shape Rotate(Shape s, float cx, float cy, float angle) {
  const float c = std::cos(angle), n = std::sin(angle);
  return [=](float x, float y) {
    const float dx = x - cx, dy = y - cy;
    return s(cx + dx * c + dy * n, cy - dx * n + dy * c);
  };
}

Shape Triangle(float l, float t, float r, float b) {  // pointing right
  return Polygon({{l, t}, {r, (t + b) / 2}, {l, b}});
}

Shape Document(float l, float t, float r, float b) {
  const float fold = (r - l) * 0.35f;
  return Polygon({{l, t}, {r - fold, t}, {r, t + fold}, {r, b}, {l, b}});
}

void PaintDocument(Canvas& c, float l, float t, float r, float b) {
  const float fold = (r - l) * 0.35f;
  c.Shaded(Document(l, t, r, b), kPaper);
  c.Fill(Polygon({{r - fold, t}, {r - fold, t + fold}, {r, t + fold}}), Hex(0xD8D8D0));
  c.Fill(Ring(Polygon({{r - fold, t}, {r - fold, t + fold}, {r, t + fold}}), 1), Hex(0x8A8F94));
}

void TextLines(Canvas& c, float l, float r, float top, int count, float gap, Rgb ink) {
  for (int i = 0; i < count; ++i) {
    const float y = top + i * gap;
    c.Fill(Box(l, y, i == count - 1 ? l + (r - l) * 0.6f : r, y + 1), ink, 0.8f);
  }
}

void PaintMagnifier(Canvas& c, float cx, float cy, float r) {
  c.Fill(Circle(cx, cy, r), Hex(0xCFE6F7), 0.9f);
  c.Fill(Circle(cx - r * 0.3f, cy - r * 0.3f, r * 0.3f), kWhite, 0.8f);
  c.Shaded(Line(cx + r * 0.8f, cy + r * 0.8f, cx + r * 1.8f, cy + r * 1.8f, 3.2f), kWood);
  c.Fill(Ring(Circle(cx, cy, r + 1), 2.2f), kSteel);
  c.Fill(Ring(Circle(cx, cy, r + 1.5f), 0.8f), Darken(kSteel, 0.4f));
}

Shape Gear(float cx, float cy, float outer, float inner, int teeth) {
  Points pts;
  for (int i = 0; i < teeth * 4; ++i) {
    const float a = 2 * kPi * (i + 0.5f) / (teeth * 4);
    const float r = (i / 2) % 2 == 0 ? outer : inner;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return Subtract(Polygon(pts), Circle(cx, cy, inner * 0.4f));
}

Shape CheckMark(float s) {
  return Polyline({{3.5f * s, 10.5f * s}, {8 * s, 15 * s}, {16.5f * s, 5 * s}}, 3.2f * s);
}

Shape Cross(float l, float t, float r, float b, float width) {
  return Union(Line(l, t, r, b, width), Line(r, t, l, b, width));
}

Shape QuestionMark(float cx, float top, float h, float width) {
  Points arc;
  const float r = h * 0.24f, acy = top + r + width / 2;
  for (int i = 0; i <= 12; ++i) {
    const float a = kPi * (1.1f - 1.6f * i / 12.f);  // from the left round over the top
    arc.push_back({cx + r * std::cos(a), acy - r * std::sin(a)});
  }
  arc.push_back({cx, acy + r * 1.25f});
  arc.push_back({cx, top + h * 0.68f});
  return Union(Polyline(arc, width), Circle(cx, top + h - width * 0.6f, width * 0.62f));
}

Shape Envelope() {
  return Box(2, 5, 18, 16, 1);
}

Shape Floppy() {
  return Polygon({{2.5f, 2.5f}, {15, 2.5f}, {17.5f, 5}, {17.5f, 17.5f}, {2.5f, 17.5f}});
}

void PaintFloppy(Canvas& c) {
  c.Shaded(Floppy(), kBlue);
  c.Fill(Box(5.5f, 2.5f, 13.5f, 7.5f), Hex(0xD9DEE3));
  c.Fill(Box(11, 3.5f, 12.5f, 6.5f), kInk);
  c.Fill(Box(5, 10.5f, 15, 17.5f, 0.5f), kPaper);
  TextLines(c, 6.5f, 13.5f, 12.5f, 2, 2.5f, Hex(0x9AA3AD));
}

void PaintPencil(Canvas& c, float dx, float dy, float scale) {
  const auto p = [&](float x, float y) { return std::pair{dx + x * scale, dy + y * scale}; };
  const Shape body = Polygon({p(13, 2), p(18, 7), p(8, 17), p(3, 12)});
  c.Shaded(body, kAmber);
  c.Fill(Polygon({p(3, 12), p(8, 17), p(2, 18)}), Hex(0xF0D8B0));
  c.Fill(Polygon({p(2.8f, 16), p(4, 17.2f), p(2, 18)}), kInk);
  c.Fill(Polygon({p(13, 2), p(18, 7), p(16.3f, 8.7f), p(11.3f, 3.7f)}), Hex(0xE07A8A));
}

void PaintPrinter(Canvas& c) {
  c.Shaded(Box(5, 2.5f, 15, 9), kPaper);
  c.Shaded(Box(1.5f, 7.5f, 18.5f, 15.5f, 2), kSteel);
  c.Fill(Circle(15.5f, 10.5f, 1), kGreen);
  c.Shaded(Box(5, 13, 15, 18.5f), kPaper);
  TextLines(c, 6.5f, 13.5f, 15, 2, 2, Hex(0x9AA3AD));
}

void PaintPlus(Canvas& c, Rgb colour) {
  c.Shaded(PlusShape(10, 10, 7.5f, 5), colour);
}

void PaintBook(Canvas& c) {
  c.Shaded(Box(3, 2.5f, 17, 17.5f, 1.5f), Hex(0x8B3A3A));
  c.Fill(Box(5.5f, 2.5f, 16, 16.5f), kPaper);
  c.Fill(Box(3, 2.5f, 5.5f, 17.5f, 1), Hex(0x6B2525));
  TextLines(c, 7.5f, 14.5f, 5.5f, 4, 2.6f, Hex(0x8A95A0));
}

void PaintBars(Canvas& c, float bottom, float l, float width, const std::vector<float>& heights,
               const std::vector<Rgb>& colours) {
  for (size_t i = 0; i < heights.size(); ++i) {
    const float x = l + i * (width + 1.5f);
    c.Shaded(Box(x, bottom - heights[i], x + width, bottom), colours[i % colours.size()]);
  }
}

void PaintPie(Canvas& c, float cx, float cy, float r) {
  c.Shaded(Circle(cx, cy, r), kBlue);
  const Shape slice = Intersect(
      Circle(cx, cy, r),
      Polygon({{cx, cy}, {cx, cy - r - 2}, {cx + r + 2, cy - r - 2}, {cx + r + 2, cy + r * 0.3f}}));
  c.Shaded(slice, kGold);
  c.Fill(Line(cx, cy, cx, cy - r, 0.8f), kWhite);
  c.Fill(Line(cx, cy, cx + r * 0.95f, cy + r * 0.3f, 0.8f), kWhite);
}

void PaintBox(Canvas& c, float l, float t, float r, float b) {
  c.Shaded(Box(l, t, r, b, 1), kWood);
  c.Fill(Box(l + (r - l) * 0.4f, t, l + (r - l) * 0.6f, b), Hex(0xE9D2A8), 0.9f);
}

void PaintDoor(Canvas& c, float l, float t, float r, float b) {
  c.Shaded(Box(l, t, r, b), Hex(0x6E4A2A));
  c.Shaded(Polygon({{l + 1, t + 1}, {r - 3, t + 3}, {r - 3, b - 1}, {l + 1, b - 1}}), kWood);
  c.Fill(Circle(r - 5, (t + b) / 2 + 1, 0.9f), kGold);
}

// Navigation: triangles pointing right (mirrored for left), with an optional stop bar.
void PaintNav(Canvas& c, bool left, int triangles, bool bar, Rgb colour) {
  Shape s = Triangle(0, 0, 0, 0);
  const float w = triangles == 2 ? 6.5f : 8;
  float x = triangles == 2 ? 3.5f : 6;
  if (bar && triangles == 1) x = 5;
  s = Triangle(x, 4.5f, x + w, 15.5f);
  for (int i = 1; i < triangles; ++i)
    s = Union(s, Triangle(x + i * w, 4.5f, x + (i + 1) * w, 15.5f));
  if (bar) s = Union(s, Box(x + triangles * w, 4.5f, x + triangles * w + 2.5f, 15.5f));
  c.Shaded(left ? Mirror(s, 20) : s, colour);
}

void PaintPageNav(Canvas& c, bool left, bool bar) {
  PaintDocument(c, 2.5f, 1.5f, 13.5f, 18.5f);
  TextLines(c, 4.5f, 10, 6, 4, 2.6f, Hex(0xA0A8B0));
  Shape s = Triangle(11, 8, 17, 16);
  if (bar) s = Union(s, Box(17, 8, 19, 16));
  c.Shaded(left ? Mirror(Move(s, -1, 0), 21) : s, kBlue);
}

void PaintArrowBox(Canvas& c, bool into) {
  c.Shaded(Polygon({{3, 9}, {17, 9}, {17, 18}, {3, 18}}), kWood);
  c.Fill(Box(3, 9, 17, 10.5f), Darken(kWood, 0.3f));
  const Shape down =
      Polygon({{8, 1.5f}, {12, 1.5f}, {12, 7}, {15, 7}, {10, 12.5f}, {5, 7}, {8, 7}});
  c.Shaded(into ? down : Flip(Move(down, 0, -1), 13), into ? kGreen : kRed);
}

Shape Shield() {
  return Polygon({{10, 1.5f}, {17, 4}, {16.5f, 11}, {10, 18.5f}, {3.5f, 11}, {3, 4}});
}

// ---- Message icons: a tall badge with a symbol.

GlyphImage Icon(const std::string& name, Rgb colour, const std::function<Shape()>& symbol) {
  Canvas c(kIconWidth, kIconHeight);
  const Shape badge = Box(2, 4, 40, 62, 12);
  c.Fill(Move(badge, 1.5f, 1.5f), Hex(0x000000), 0.25f);  // drop shadow
  c.Fill(badge, [&](float, float y) {
    return Mix(Lighten(colour, 0.35f), Darken(colour, 0.2f), std::clamp((y - 4) / 58, 0.f, 1.f));
  });
  c.Fill(Intersect(badge, Box(5, 6.5f, 37, 30, 10)), kWhite, 0.22f);  // gloss
  c.Fill(Ring(badge, 1.2f), Darken(colour, 0.45f));
  const Shape s = symbol();
  c.Fill(Move(s, 1, 1.2f), Darken(colour, 0.55f), 0.6f);
  c.Fill(s, kWhite);
  return Flat(name, c);
}

// ---- The flat button face: normal, highlighted and pressed, each a left cap, a middle slice
// that tiles and a right cap.

GlyphImage ButtonFace(const std::string& name, int slice, int height) {
  Canvas c(9 * slice, height);
  struct Look {
    uint32_t top, bottom, border;
  };
  const Look looks[3] = {{0xFDFDFB, 0xDCDDE2, 0x8B95A1},
                         {0xFFF7E2, 0xF6D88E, 0xC08A1E},
                         {0xC9D0DA, 0xE9ECF0, 0x5E6B7A}};
  const float radius = height * 0.3f;
  for (int i = 0; i < 3; ++i) {
    const float left = 3.f * slice * i;
    const float right = left + 3.f * slice;
    // The face is painted over the three slices as one rounded bar; the middle slice's columns
    // are all alike, so it can be repeated to any width.
    const Shape bar = Box(left + 0.5f, 0.5f, right - 0.5f, height - 0.5f, radius);
    const Look& look = looks[i];
    c.Fill(bar, [&](float, float y) {
      const float t = std::clamp(y / height, 0.f, 1.f);
      return Mix(Hex(look.top), Hex(look.bottom), t * t);
    });
    c.Fill(Ring(bar, 1), Hex(look.border));
    c.Fill(Intersect(Ring(Box(left + 1.5f, 1.5f, right - 1.5f, height - 1.5f, radius - 1), 1),
                     Box(left, 0, right, height * 0.5f)),
           kWhite, i == 2 ? 0.f : 0.6f);
  }
  return Flat(name, c);
}

GlyphImage CheckImages() {
  const int s = kBoxGlyphSize;
  Canvas c(3 * s, s);
  for (int i = 0; i < 3; ++i) {
    const float l = static_cast<float>(i * s);
    const Shape box = Box(l + 0.5f, 0.5f, l + s - 0.5f, s - 0.5f, 2);
    c.Fill(box, [&](float, float y) {
      return i == 2 ? Hex(0xE4E6EA) : Mix(Hex(0xEEF1F5), kWhite, y / s);
    });
    c.Fill(Ring(box, 1), Hex(0x5D6B7B));
    if (i == 0) {
      c.Fill(Polyline({{l + 3, 6.5f}, {l + 5.5f, 9.2f}, {l + 10, 3.5f}}, 2), Hex(0x1E5FAF));
    } else if (i == 2) {
      c.Fill(Box(l + 3.5f, 3.5f, l + s - 3.5f, s - 3.5f, 1), Hex(0x9AA3AD));
    }
  }
  return Flat("Check", c);
}

GlyphImage RadioImages() {
  const int s = kBoxGlyphSize;
  Canvas c(2 * s, s);
  for (int i = 0; i < 2; ++i) {
    const float cx = i * s + s / 2.f, cy = s / 2.f;
    c.Fill(Circle(cx, cy, 5.8f), [&](float, float y) { return Mix(Hex(0xEEF1F5), kWhite, y / s); });
    c.Fill(Ring(Circle(cx, cy, 6), 1), Hex(0x5D6B7B));
    if (i == 1) c.Shaded(Circle(cx, cy, 2.6f), Hex(0x1E5FAF));
  }
  return Flat("Radio", c);
}

GlyphImage Background(const std::string& name, int w, int h,
                      const std::function<Rgb(float, float)>& colour) {
  Canvas c(w, h);
  c.Fill(Box(-1, -1, w + 1.f, h + 1.f), colour);
  return {name, w, h, c.Flatten(kGlyphKey, kGlyphMatte)};
}

}  // namespace

std::vector<GlyphImage> PaintGlyphLibrary() {
  std::vector<GlyphImage> out;
  const auto strip = [&](const std::string& name, const Painter& p) {
    out.push_back(ButtonStrip(name, p));
  };
  const auto small = [&](const std::string& name, const Painter& p) {
    out.push_back(Single(name, kSmallGlyphSize, p));
  };

  // Message icons.
  out.push_back(Icon("Warning", Hex(0xE89A12),
                     [] { return Union(Box(17.5f, 14, 24.5f, 41, 3.5f), Circle(21, 50, 4)); }));
  out.push_back(Icon("Error", Hex(0xCC3228), [] { return Cross(12, 22, 30, 44, 6); }));
  out.push_back(Icon("Information", Hex(0x2E6FC7), [] {
    return Union(Circle(21, 17, 4), Union(Box(17.5f, 25, 24.5f, 51, 2), Box(14, 46, 28, 51, 1.5f)));
  }));
  out.push_back(Icon("Confirmation", Hex(0x2E9A4E), [] { return QuestionMark(21, 14, 38, 6); }));

  // Button glyphs.
  strip("OK", [](Canvas& c) { c.Shaded(CheckMark(1), kGreen); });
  strip("Cancel", [](Canvas& c) { c.Shaded(Cross(5, 5, 15, 15, 3.6f), kRed); });
  strip("Nu", [](Canvas& c) {
    c.Shaded(Circle(10, 10, 8), kRed);
    c.Fill(Box(5, 8.5f, 15, 11.5f, 1), kWhite);
  });
  strip("Help", [](Canvas& c) {
    c.Shaded(Circle(10, 10, 8.5f), kBlue);
    c.Fill(QuestionMark(10, 4, 12.5f, 2.2f), kWhite);
  });
  strip("Exit", [](Canvas& c) {
    PaintDoor(c, 2, 2, 12, 18);
    c.Shaded(ArrowRight(9, 6, 19, 14, 4), kGreen);
  });
  strip("BigExit", [](Canvas& c) {
    PaintDoor(c, 1, 1, 13, 19);
    c.Shaded(ArrowRight(8, 4.5f, 19.5f, 15.5f, 5), kRed);
  });
  strip("Retry", [](Canvas& c) {
    Points arc;
    for (int i = 0; i <= 16; ++i) {
      const float a = kPi * (0.15f + 1.45f * i / 16.f);
      arc.push_back({10 + 6 * std::cos(a), 10.5f + 6 * std::sin(a)});
    }
    c.Shaded(Polyline(arc, 3), kGreen);
    c.Shaded(Polygon({{11, 1}, {17, 5}, {11, 8.5f}}), kGreen);
  });
  strip("Image1", [](Canvas& c) {
    c.Shaded(Move(CheckMark(0.8f), 4.5f, -1), Lighten(kGreen, 0.2f));
    c.Shaded(Move(CheckMark(0.8f), 0.5f, 4), kGreen);
  });
  strip("Avansat", [](Canvas& c) {
    c.Shaded(Polyline({{4, 4}, {9, 10}, {4, 16}}, 3), kBlue);
    c.Shaded(Polyline({{11, 4}, {16, 10}, {11, 16}}, 3), kBlue);
  });
  strip("Add", [](Canvas& c) { PaintPlus(c, kGreen); });
  strip("Plus", [](Canvas& c) { PaintPlus(c, kGreen); });
  strip("PlusAdd", [](Canvas& c) {
    c.Shaded(Circle(10, 10, 8.5f), kGreen);
    c.Fill(PlusShape(10, 10, 5, 2.6f), kWhite);
  });
  strip("PlusBlue", [](Canvas& c) { PaintPlus(c, kBlue); });
  strip("PlusPorto", [](Canvas& c) { PaintPlus(c, Hex(0x8E2A3B)); });
  strip("PlusPeach", [](Canvas& c) { PaintPlus(c, Hex(0xF29A6E)); });
  strip("PlusSnorkel", [](Canvas& c) { PaintPlus(c, Hex(0x1F6E8C)); });
  strip("MinusDel", [](Canvas& c) { c.Shaded(Box(2.5f, 7.5f, 17.5f, 12.5f, 1), kRed); });
  strip("Delete", [](Canvas& c) {
    PaintDocument(c, 2.5f, 1.5f, 14.5f, 18.5f);
    TextLines(c, 4.5f, 11, 6, 4, 2.6f, Hex(0xA0A8B0));
    c.Shaded(Cross(10, 10, 18, 18, 3), kRed);
  });
  strip("Jurnal", [](Canvas& c) { PaintBook(c); });
  strip("Vizual", [](Canvas& c) {
    const Shape eye = Intersect(Circle(10, 17, 11), Circle(10, 3, 11));
    c.Shaded(eye, kPaper);
    c.Shaded(Circle(10, 10, 4), kBlue);
    c.Fill(Circle(10, 10, 1.8f), kInk);
    c.Fill(Circle(8.8f, 8.8f, 0.9f), kWhite);
  });
  strip("Print", [](Canvas& c) { PaintPrinter(c); });
  strip("PrnSetup", [](Canvas& c) {
    PaintPrinter(c);
    c.Shaded(Gear(14.5f, 14.5f, 5.2f, 3.8f, 6), kSteel);
  });
  strip("Edit", [](Canvas& c) { PaintPencil(c, 0, 0, 1); });
  strip("Analitic", [](Canvas& c) {
    PaintDocument(c, 2.5f, 1.5f, 15.5f, 18.5f);
    for (int i = 0; i < 4; ++i) {
      const float y = 6 + i * 3;
      c.Fill(Box(4.5f, y, 7, y + 1.2f), kBlue);
      c.Fill(Box(8, y, i % 2 ? 11 : 13, y + 1.2f), Hex(0x8A95A0));
    }
  });
  strip("Detalii", [](Canvas& c) {
    c.Shaded(Box(2.5f, 2.5f, 17.5f, 17.5f, 1.5f), kPaper);
    for (int i = 0; i < 4; ++i) {
      const float y = 5.5f + i * 3;
      c.Fill(Circle(5.5f, y + 0.5f, 1.1f), kBlue);
      c.Fill(Box(8, y, i == 3 ? 12 : 15, y + 1.2f), Hex(0x7F8A96));
    }
  });
  strip("Save", [](Canvas& c) { PaintFloppy(c); });
  strip("SaveAs", [](Canvas& c) {
    PaintFloppy(c);
    PaintPencil(c, 8, 6, 0.6f);
  });
  strip("Mail", [](Canvas& c) {
    c.Shaded(Envelope(), kPaper);
    c.Fill(Polyline({{2.5f, 5.5f}, {10, 11.5f}, {17.5f, 5.5f}}, 1.2f), Hex(0x8A8F94));
    c.Fill(Polyline({{2.5f, 15.5f}, {8, 10.5f}}, 0.9f), Hex(0xB0B4B8));
    c.Fill(Polyline({{17.5f, 15.5f}, {12, 10.5f}}, 0.9f), Hex(0xB0B4B8));
  });
  strip("Precedent", [](Canvas& c) { c.Shaded(Mirror(ArrowRight(3, 4, 17, 16, 5), 20), kBlue); });
  strip("Urmator", [](Canvas& c) { c.Shaded(ArrowRight(3, 4, 17, 16, 5), kBlue); });
  strip("UrmatorBlue", [](Canvas& c) {
    c.Shaded(Circle(10, 10, 8.5f), kBlue);
    c.Fill(ArrowRight(5, 5.5f, 15.5f, 14.5f, 3.5f), kWhite);
  });
  strip("BUnelte", [](Canvas& c) {
    c.Shaded(Rotate(Union(Box(9, 6, 11.5f, 18.5f, 1),
                          Subtract(Circle(10.25f, 5, 4.3f), Box(8.5f, 0, 12, 5))),
                    10, 10, kPi / 4),
             kSteel);
  });
  strip("Config", [](Canvas& c) { c.Shaded(Gear(10, 10, 8.5f, 6.2f, 8), kSteel); });
  strip("Stoc", [](Canvas& c) {
    PaintBox(c, 2, 10, 10, 18);
    PaintBox(c, 10, 10, 18, 18);
    PaintBox(c, 6, 2, 14, 10);
  });
  strip("Sold", [](Canvas& c) {
    c.Fill(Line(10, 3, 10, 17, 1.6f), kInk);
    c.Fill(Line(3, 6, 17, 6, 1.6f), kInk);
    c.Shaded(Box(6, 16.5f, 14, 18.5f, 1), kInk);
    c.Shaded(Intersect(Circle(4.5f, 8, 4), Box(0, 9, 9, 14)), kGold);
    c.Shaded(Intersect(Circle(15.5f, 8, 4), Box(11, 9, 20, 14)), kGold);
  });
  strip("BIntr", [](Canvas& c) { PaintArrowBox(c, true); });
  strip("BIes", [](Canvas& c) { PaintArrowBox(c, false); });
  strip("BSediu", [](Canvas& c) {
    c.Shaded(Box(4, 3, 16, 18.5f), Hex(0xA7B1BC));
    for (int row = 0; row < 4; ++row) {
      for (int col = 0; col < 3; ++col) {
        c.Fill(Box(6 + col * 3.3f, 5 + row * 3, 7.8f + col * 3.3f, 6.6f + row * 3), kBlue);
      }
    }
    c.Fill(Box(8.5f, 15, 11.5f, 18.5f), Hex(0x5A4632));
  });
  strip("BBani", [](Canvas& c) {
    c.Shaded(Box(1.5f, 5, 18.5f, 15, 1), Hex(0x6FAE5A));
    c.Fill(Ring(Box(3.5f, 7, 16.5f, 13, 0.5f), 0.8f), Hex(0x3F7A33));
    c.Fill(Circle(10, 10, 2.6f), Hex(0xE6F2DC));
  });
  strip("FirstPag", [](Canvas& c) { PaintPageNav(c, true, true); });
  strip("LastPag", [](Canvas& c) { PaintPageNav(c, false, true); });
  strip("PrevPag", [](Canvas& c) { PaintPageNav(c, true, false); });
  strip("NextPag", [](Canvas& c) { PaintPageNav(c, false, false); });
  strip("nPrev", [](Canvas& c) { PaintNav(c, true, 1, false, kBlue); });
  strip("nNext", [](Canvas& c) { PaintNav(c, false, 1, false, kBlue); });
  strip("nFirst", [](Canvas& c) { PaintNav(c, true, 1, true, kBlue); });
  strip("nLast", [](Canvas& c) { PaintNav(c, false, 1, true, kBlue); });
  strip("Find", [](Canvas& c) { PaintMagnifier(c, 8, 8, 5.5f); });
  strip("FindNext", [](Canvas& c) {
    PaintMagnifier(c, 7, 7, 4.8f);
    c.Shaded(Triangle(13, 11, 19, 18.5f), kGreen);
  });
  strip("Grafic", [](Canvas& c) {
    c.Fill(Polyline({{2, 2}, {2, 18}, {18.5f, 18}}, 1.2f), kInk);
    PaintBars(c, 17.4f, 4.5f, 3, {6, 11, 8, 14}, {kBlue, kGreen, kAmber, kRed});
  });
  strip("Contract", [](Canvas& c) {
    PaintDocument(c, 3.5f, 1.5f, 16.5f, 18.5f);
    TextLines(c, 5.5f, 12.5f, 5.5f, 3, 2.6f, Hex(0xA0A8B0));
    c.Fill(Polyline({{6, 15.5f}, {8, 13.5f}, {9.5f, 15.5f}, {11.5f, 13}, {13.5f, 15}}, 1.1f),
           kBlue);
  });
  strip("Explicatii", [](Canvas& c) {
    const Shape bubble =
        Union(Box(1.5f, 2, 18.5f, 14, 3.5f), Polygon({{5, 13}, {5, 18.5f}, {10, 13}}));
    c.Shaded(bubble, kPaper);
    c.Fill(Circle(10, 5, 1.3f), kBlue);
    c.Fill(Box(9, 7.5f, 11, 12, 0.5f), kBlue);
  });
  out.push_back(Single("Permis", kButtonGlyphSize, [](Canvas& c) {
    c.Shaded(Shield(), kGreen);
    c.Fill(Polyline({{6.5f, 10}, {9, 12.8f}, {13.8f, 7}}, 2.2f), kWhite);
  }));
  out.push_back(Single("Buget", kButtonGlyphSize, [](Canvas& c) { PaintPie(c, 10, 10, 8.5f); }));
  out.push_back(Single("Vortel", kButtonGlyphSize, [](Canvas& c) {
    c.Shaded(Circle(10, 10, 8.5f), kTeal);
    c.Fill(Polyline({{5.5f, 5.5f}, {10, 15}, {14.5f, 5.5f}}, 2.6f), kWhite);
  }));

  // Small glyphs.
  small("Interzis", [](Canvas& c) {
    c.Fill(Circle(8, 8, 7), kWhite);
    c.Shaded(Union(Ring(Circle(8, 8, 7), 2.2f), Line(3.5f, 3.5f, 12.5f, 12.5f, 2.2f)), kRed);
  });
  small("Surub", [](Canvas& c) {
    c.Shaded(Circle(8, 8, 6.5f), kSteel);
    c.Fill(Rotate(Box(3.5f, 7.2f, 12.5f, 8.8f), 8, 8, kPi / 5), Darken(kSteel, 0.5f));
  });
  small("Linii", [](Canvas& c) {
    for (int i = 0; i < 4; ++i) c.Fill(Box(2, 3 + i * 3.f, 14, 4.5f + i * 3.f), kInk);
  });
  small("Anulat",
        [](Canvas& c) { c.Shaded(Cross(3.5f, 3.5f, 12.5f, 12.5f, 2.6f), Hex(0x7D858E)); });
  small("GrupX", [](Canvas& c) {
    c.Fill(Ring(Box(1.5f, 3.5f, 14.5f, 14.5f, 1), 1), Hex(0x6D7884));
    c.Fill(Box(3, 2, 8, 5), kWhite);
    c.Shaded(Cross(5.5f, 7, 10.5f, 12, 1.8f), kRed);
  });
  small("Grup0", [](Canvas& c) {
    c.Fill(Ring(Box(1.5f, 3.5f, 14.5f, 14.5f, 1), 1), Hex(0x6D7884));
    c.Fill(Box(3, 2, 8, 5), kWhite);
  });
  small("crescator", [](Canvas& c) {
    for (int i = 0; i < 3; ++i) c.Fill(Box(2, 11 - i * 4.f, 5 + i * 2.5f, 12.5f - i * 4.f), kInk);
    c.Shaded(Polygon({{12, 2.5f}, {15.5f, 7}, {13, 7}, {13, 14}, {11, 14}, {11, 7}, {8.5f, 7}}),
             kBlue);
  });
  small("descrescator", [](Canvas& c) {
    for (int i = 0; i < 3; ++i) c.Fill(Box(2, 3 + i * 4.f, 10 - i * 2.5f, 4.5f + i * 4.f), kInk);
    c.Shaded(
        Flip(Polygon({{12, 2.5f}, {15.5f, 7}, {13, 7}, {13, 14}, {11, 14}, {11, 7}, {8.5f, 7}}),
             16),
        kBlue);
  });
  small("ToolbVert", [](Canvas& c) {
    for (int i = 0; i < 5; ++i) {
      c.Fill(Box(6, 2 + i * 2.6f, 7.5f, 3.5f + i * 2.6f), kWhite);
      c.Fill(Box(7, 2.5f + i * 2.6f, 8.5f, 4 + i * 2.6f), Hex(0x808080));
    }
  });
  small("ToolbOriz", [](Canvas& c) {
    for (int i = 0; i < 5; ++i) {
      c.Fill(Box(2 + i * 2.6f, 6, 3.5f + i * 2.6f, 7.5f), kWhite);
      c.Fill(Box(2.5f + i * 2.6f, 7, 4 + i * 2.6f, 8.5f), Hex(0x808080));
    }
  });
  small("EscapeImg", [](Canvas& c) {
    c.Shaded(Box(0.5f, 2.5f, 15.5f, 13.5f, 2), kPaper);
    c.Fill(Box(2.5f, 4, 13.5f, 11, 1.5f), Hex(0xE2E4E8));
    c.Shaded(Mirror(ArrowRight(3.5f, 5, 12.5f, 10, 2), 16), kRed);
  });
  small("SCLogo", [](Canvas& c) {
    c.Shaded(Box(0.5f, 0.5f, 15.5f, 15.5f, 3), kPurple);
    c.Fill(Subtract(Ring(Circle(8, 8, 4.8f), 1.8f), Polygon({{8, 8}, {16, 4}, {16, 12}})), kWhite);
    c.Fill(Circle(8, 8, 1.4f), kGold);
  });
  small("Pag", [](Canvas& c) {
    PaintDocument(c, 2.5f, 1.5f, 13.5f, 14.5f);
    TextLines(c, 4.5f, 11.5f, 5.5f, 3, 2.5f, Hex(0xA0A8B0));
  });
  out.push_back(CheckImages());
  out.push_back(RadioImages());

  // Faces.
  out.push_back(Single("IconFace", 24, [](Canvas& c) {
    c.Shaded(Box(1.5f, 1.5f, 22.5f, 22.5f, 5), kBlue);
    c.Fill(Box(4, 3.5f, 20, 11, 4), kWhite, 0.3f);
    c.Fill(Polyline({{7, 7}, {12, 17}, {17, 7}}, 2.8f), kWhite);
  }));
  out.push_back(ButtonFace("ButtonFaceZAN", 12, 24));
  out.push_back(ButtonFace("ButtonFaceZAN120", 14, 30));

  // Backgrounds.
  out.push_back(Background("ImageDate", 32, 32,
                           [](float, float y) { return Mix(Hex(0x4E9CC7), kWhite, y / 32); }));
  out.push_back(Background("ImageListe", 32, 32, [](float, float y) {
    return Mix(Hex(0x7AB1B1), Hex(0xC6C6C6), y / 32);
  }));
  out.push_back(Background("StopModi", 32, 32, [](float x, float y) {
    return (static_cast<int>(x + y) / 4) % 2 ? Hex(0xF2D9D6) : Hex(0xF7E9E7);
  }));
  out.push_back(Background("Hartie", 32, 32, [](float x, float y) {
    const float grain = std::sin(x * 1.7f + y * 0.3f) * std::sin(y * 2.3f - x * 0.5f);
    return Mix(Hex(0xF6F1E4), Hex(0xE9E1CC), 0.5f + 0.5f * grain);
  }));
  out.push_back(Background("Mijloc", 32, 32, [](float x, float) {
    return Mix(Hex(0xDCE3EA), Hex(0xC5CFDA), std::abs(x - 16) / 16);
  }));
  return out;
}
