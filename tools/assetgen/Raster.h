// A small anti-aliasing rasteriser: colours are kept in floating point while
// painting and reduced to 5-5-5 once at the end, so layered blending does not
// accumulate rounding.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

struct Color {
  double r = 0;
  double g = 0;
  double b = 0;
};

constexpr Color Hex(std::uint32_t rgb) {
  return {static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
          static_cast<double>(rgb & 0xFF)};
}

Color Mix(Color a, Color b, double t);

// True where a point (in pixel units; pixel (x, y) covers [x, x+1) x [y, y+1))
// lies inside a shape.
using Shape = std::function<bool(double, double)>;

class Canvas {
 public:
  Canvas(int width, int height, Color fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Color& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Color& At(int x, int y) const { return pixels_[Index(x, y)]; }

  // Blends c over the pixel with the given opacity; pixels off the canvas are ignored.
  void Blend(int x, int y, Color c, double alpha);
  // Fills [x0, x1) x [y0, y1) with c.
  void Fill(int x0, int y0, int x1, int y1, Color c);
  // Paints c over the shape within the box, each pixel covered by the share
  // of its 8 x 8 sample points that lie inside.
  void FillShape(int x0, int y0, int x1, int y1, Color c, const Shape& inside);

  Canvas Crop(int x, int y, int width, int height) const;
  void Paste(const Canvas& source, int x, int y);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Segment(double x0, double y0, double x1, double y1, double width);
Shape Minus(Shape a, Shape b);
Shape Union(Shape a, Shape b);

void FillRoundRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                   Color c);
// A frame of the given width inside the rectangle's outline.
void StrokeRoundRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                     double width, Color c);
void DrawLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width, Color c);

// 5-5-5: xRRRRRGGGGGBBBBB, each 8-bit channel rounded to the nearest of 32 levels.
std::uint16_t To555(Color c);
// The colour a 5-5-5 value shows: each channel widened by repeating its bits.
Color From555(std::uint16_t v);
std::vector<std::uint16_t> To555(const Canvas& canvas);

}  // namespace assetgen
