// The outlines of the icon's mouse and the cursor's hand, at any size, as
// plain geometry: the generator paints its 32-bit images from them, and the
// asset tests check each image's alpha against them. Coordinates are pixels
// of an image of that size (pixel (x, y) covers [x, x+1) x [y, y+1)).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen::shapes {

// Sample points per pixel along each axis: coverage is the share of the
// 8 x 8 points at ((i + 0.5) / 8, (j + 0.5) / 8) that lie inside.
inline constexpr int kSamples = 8;

template <class Inside>
int Coverage(int x, int y, const Inside& inside) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
    }
  }
  return hits;
}

// The mouse: a rounded body (a superellipse) from the icon's top margin to
// its bottom edge, and the cable leaving its front to the top edge. The
// 16-colour images are the same body tested at pixel centres.
struct Mouse {
  explicit Mouse(int size)
      : s(size / 32.0),
        cx(size / 2.0),
        top(3 * s),
        bottom(31.5 * s),
        cy((top + bottom) / 2),
        a(11.5 * s),
        b((bottom - top) / 2) {}

  // Inside the body shrunk by inset on every side.
  bool Body(double x, double y, double inset = 0) const {
    if (a <= inset || b <= inset) return false;
    const double u = std::abs(x - cx) / (a - inset);
    const double v = std::abs(y - cy) / (b - inset);
    return std::pow(u, 2.4) + std::pow(v, 2.4) <= 1.0;
  }
  bool Cable(double x, double y) const {
    const double half = std::max(0.5, s);
    const double bend = 1.5 * s;
    // Straight up from the bend, and a slant from the body's top to the bend.
    if (y <= bend) return std::abs(x - (cx + s)) <= half;
    if (y > top + s) return false;
    const double t = (y - bend) / (top + s - bend);
    return std::abs(x - (cx + s - t * s)) <= half;
  }
  bool operator()(double x, double y) const { return Body(x, y) || Cable(x, y); }

  double s, cx, top, bottom, cy, a, b;
};

namespace detail {

inline bool InRoundRect(double x, double y, double x0, double y0, double x1, double y1, double r) {
  if (x < x0 || x > x1 || y < y0 || y > y1) return false;
  const double qx = std::clamp(x, x0 + r, x1 - r);
  const double qy = std::clamp(y, y0 + r, y1 - r);
  return (x - qx) * (x - qx) + (y - qy) * (y - qy) <= r * r;
}

inline bool InCapsule(double x, double y, double x0, double y0, double x1, double y1, double r) {
  const double vx = x1 - x0, vy = y1 - y0;
  const double t = std::clamp(((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
  const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
  return dx * dx + dy * dy <= r * r;
}

}  // namespace detail

// The pointing hand of the 32 x 32 pixel-art cursor as shapes, in its
// 32-pixel units: the index finger up, three folded fingers, the palm and the
// thumb. Each part can be shrunk on its own, so the outline also runs between
// the fingers.
struct Hand {
  explicit Hand(int size) : s(size / 32.0) {}

  struct Part {
    double x0, y0, x1, y1, r;
  };
  static constexpr std::array<Part, 5> kParts{{
      {10, 1, 15, 17, 2.5},    // index finger
      {14, 7, 18, 17, 2},      // middle
      {17, 8, 21, 17, 2},      // ring
      {20, 9.5, 24, 17, 2},    // little
      {8.5, 12.5, 24, 24, 2},  // palm
  }};

  // Inside any part shrunk by inset pixels (the thumb is a slanted capsule).
  bool Inside(double x, double y, double inset = 0) const {
    const double u = x / s, v = y / s, d = inset / s;
    for (const Part& p : kParts) {
      if (detail::InRoundRect(u, v, p.x0 + d, p.y0 + d, p.x1 - d, p.y1 - d,
                              std::max(p.r - d, 0.0))) {
        return true;
      }
    }
    // The palm narrows towards the wrist on the thumb's side.
    const double thumb = 1.8 - d;
    return thumb > 0 && detail::InCapsule(u, v, 7, 14.5, 10.5, 21, thumb);
  }
  bool operator()(double x, double y) const { return Inside(x, y); }

  double s;
};

}  // namespace assetgen::shapes
