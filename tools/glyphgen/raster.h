// A small anti-aliased painter for the toolkit's pictures: shapes are signed distance functions
// (negative inside, in pixels), painted over a transparent canvas and then flattened onto the
// transparent key colour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
  float r = 0, g = 0, b = 0;
};
Rgb Hex(uint32_t rrggbb);
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Lighten(Rgb c, float t);
Rgb Darken(Rgb c, float t);

using Shape = std::function<float(float x, float y)>;

Shape Circle(float cx, float cy, float r);
Shape Box(float left, float top, float right, float bottom, float radius = 0);
// A line of `width` with round ends.
Shape Line(float ax, float ay, float bx, float by, float width);
// Joined lines through the points.
Shape Polyline(const std::vector<std::pair<float, float>>& points, float width);
Shape Polygon(const std::vector<std::pair<float, float>>& points);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Ring(Shape s, float width);  // the outline of a shape
Shape Move(Shape s, float dx, float dy);

class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Covers the shape with a colour that may vary with the position.
  void Fill(const Shape& shape, const std::function<Rgb(float x, float y)>& color,
            float opacity = 1);
  void Fill(const Shape& shape, Rgb color, float opacity = 1);
  // A modelled fill: light at the shape's top, the base colour below, a darker outline.
  void Shaded(const Shape& shape, Rgb base);
  // Everything painted so far, faded to grey as a disabled control shows it.
  Canvas Disabled() const;
  // Pastes another canvas at (x, y).
  void Paste(const Canvas& other, int x, int y);

  // Pixels as 0xRRGGBB, rows from the top: uncovered pixels become `key`, partly covered ones
  // are blended over `matte` so that no fringe of the key remains.
  std::vector<uint32_t> Flatten(uint32_t key, uint32_t matte) const;

 private:
  struct Px {
    Rgb c;
    float a = 0;
  };
  int width_, height_;
  std::vector<Px> px_;
};
