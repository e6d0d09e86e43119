#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Color Mix(Color a, Color b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Canvas::Blend(int x, int y, Color c, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  Color& p = At(x, y);
  p = Mix(p, c, std::min(alpha, 1.0));
}

void Canvas::Fill(int x0, int y0, int x1, int y1, Color c) {
  for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) At(x, y) = c;
  }
}

void Canvas::FillShape(int x0, int y0, int x1, int y1, Color c, const Shape& inside) {
  constexpr int kSamples = 8;
  for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
        }
      }
      Blend(x, y, c, hits / double{kSamples * kSamples});
    }
  }
}

Canvas Canvas::Crop(int x, int y, int width, int height) const {
  Canvas out(width, height, {});
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) out.At(i, j) = At(x + i, y + j);
  }
  return out;
}

void Canvas::Paste(const Canvas& source, int x, int y) {
  for (int j = 0; j < source.Height(); ++j) {
    for (int i = 0; i < source.Width(); ++i) At(x + i, y + j) = source.At(i, j);
  }
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
}

Shape Segment(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double vx = x1 - x0;
    const double vy = y1 - y0;
    const double length2 = vx * vx + vy * vy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((x - x0) * vx + (y - y0) * vy) / length2, 0.0, 1.0);
    const double dx = x - (x0 + t * vx);
    const double dy = y - (y0 + t * vy);
    return dx * dx + dy * dy <= width * width / 4;
  };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

namespace {
int Lo(double v) { return static_cast<int>(std::floor(v)) - 1; }
int Hi(double v) { return static_cast<int>(std::ceil(v)) + 1; }
}  // namespace

void FillRoundRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                   Color c) {
  canvas.FillShape(Lo(x0), Lo(y0), Hi(x1), Hi(y1), c, RoundRect(x0, y0, x1, y1, radius));
}

void StrokeRoundRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                     double width, Color c) {
  canvas.FillShape(Lo(x0), Lo(y0), Hi(x1), Hi(y1), c,
                   Minus(RoundRect(x0, y0, x1, y1, radius),
                         RoundRect(x0 + width, y0 + width, x1 - width, y1 - width,
                                   std::max(radius - width, 0.0))));
}

void DrawLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width, Color c) {
  canvas.FillShape(Lo(std::min(x0, x1) - width), Lo(std::min(y0, y1) - width),
                   Hi(std::max(x0, x1) + width), Hi(std::max(y0, y1) + width), c,
                   Segment(x0, y0, x1, y1, width));
}

std::uint16_t To555(Color c) {
  const auto level = [](double v) {
    return static_cast<std::uint16_t>(std::lround(std::clamp(v, 0.0, 255.0) * 31.0 / 255.0));
  };
  return static_cast<std::uint16_t>((level(c.r) << 10) | (level(c.g) << 5) | level(c.b));
}

Color From555(std::uint16_t v) {
  const auto widen = [](int level) { return static_cast<double>((level << 3) | (level >> 2)); };
  return {widen((v >> 10) & 31), widen((v >> 5) & 31), widen(v & 31)};
}

std::vector<std::uint16_t> To555(const Canvas& canvas) {
  std::vector<std::uint16_t> out;
  out.reserve(static_cast<std::size_t>(canvas.Width()) * static_cast<std::size_t>(canvas.Height()));
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) out.push_back(To555(canvas.At(x, y)));
  }
  return out;
}

}  // namespace assetgen
